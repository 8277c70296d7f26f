// The long-text dialog on a page of a new project: what it shows for each kind of file, what OK
// stores, what it refuses; and the position editor showing a long text's words.
#include "common/formats/ColorText.h"
#include "common/formats/LangLines.h"
#include "editor/dialogs/LongTextDialog.h"
#include "tests/editor/PositionFixture.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

namespace ztv::test {
namespace {

using editor::LongTextDialog;

constexpr int kRow = 61;
const char* const kRtf = R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}{\colortbl;\red255\green0\blue0;})"
                         R"(\f0\cf1\fs48 Bonjour le monde\par})";

class LongTextDialogTest : public PositionFixture {
  protected:
    QString media() const { return dir_.path() + QStringLiteral("/media"); }
    QString file(const QString& name, const QByteArray& bytes) const {
        QDir().mkpath(media());
        const QString host = media() + u'/' + name;
        EXPECT_TRUE(writeFileAtomically(host, bytes));
        return host;
    }
    QString stored(const QString& host) { return state().drives.toWindows(host).mid(2); }
    std::unique_ptr<LongTextDialog> open(int column) {
        auto& storyboard = window().storyboard();
        storyboard.setCurrentCell(column, kRow);
        auto dialog = std::make_unique<LongTextDialog>(state(), prompter_, storyboard,
                                                       !storyboard.cellText(column, kRow).isEmpty(),
                                                       &window());
        dialog->show();
        return dialog;
    }
    void choose(LongTextDialog& dialog, const QString& host) {
        prompter_.choosePath(host);
        dialog.chooseFile();
    }
    template <class W = QLineEdit>
    static W* control(QDialog& d, const char* name) {
        auto* w = d.findChild<W*>(QLatin1String(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
    static QString shownText(QDialog& d) {
        auto* rich = control<QTextEdit>(d, "RichEdit1");
        auto* page = control<QTextBrowser>(d, "WebBrowser1");
        return (rich->isHidden() ? page : rich)->toPlainText().trimmed();
    }
};

TEST_F(LongTextDialogTest, ADoubleClickOpensItAndOkStoresTheRecord) {
    setPage({});
    const QString rtf = file(QStringLiteral("Lisez.rtf"), kRtf);
    window().storyboard().setCurrentCell(2, kRow);
    onDialog([&](QDialog& d) {
        d.show();
        auto& dialog = static_cast<LongTextDialog&>(d);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("T648"));
        choose(dialog, rtf);
        EXPECT_EQ(shownText(d), QStringLiteral("Bonjour le monde"));
        control<QPushButton>(d, "OKBtn")->click();
    });
    window().openCell();
    ASSERT_TRUE(dialogsShown.contains(QStringLiteral("FormLgT")));
    ASSERT_EQ(act().size(), 1);
    const ElementRecord r = act().last();
    EXPECT_EQ(r.Ligne, kRow);
    EXPECT_EQ(r.Colonne, 2);
    EXPECT_EQ(r.Fichier, stored(rtf));
    EXPECT_EQ(r.Vitesse, 1) << "with a border unless unchecked";
    EXPECT_EQ(QRect(r.Gauche, r.Haut, r.Largeur, r.Hauteur), QRect(2, 2, 320, 240));
    const auto& colours = state().rememberedColours;
    EXPECT_EQ(colourOfValue(std::uint32_t(r.Couleur)), colours[0]);
    EXPECT_EQ(colourOfValue(std::uint32_t(r.Couldegra)), colours[1]);
    EXPECT_EQ(r.sensdegra, state().rememberedFont.name);
    EXPECT_EQ(r.style, QStringLiteral("T130"));
    EXPECT_EQ(r.size, state().rememberedFont.points);
    EXPECT_EQ(r.DisparAuto, QStringLiteral("oui"));
    EXPECT_EQ(window().storyboard().cellText(2, kRow), QStringLiteral("Lisez.rtf"));
}

// A rich text keeps its own fonts and colours, a page its own look altogether; each shows in
// the box of its kind.
TEST_F(LongTextDialogTest, EachKindShowsItsTextAndTheControlsThatActOnIt) {
    const struct {
        const char* name;
        QByteArray bytes;
        bool font;  // the font labels, their hint and the text colour
        bool box;   // the text box, its background colour and border; else the browser
    } cases[] = {
        {"a.txt", "Bonjour le monde", true, true},
        {"b.TxT", "Bonjour le monde", true, true},
        {"c.RTF", kRtf, false, true},
        {"d.htm", "<p>Bonjour <i>le</i> monde</p>", false, false},
        {"e.HTML", "<p>Bonjour <i>le</i> monde</p>", false, false},
    };
    for (const auto& c : cases) {
        const QString name = QString::fromUtf8(c.name);
        auto dialog = open(1);
        choose(*dialog, file(name, c.bytes));
        EXPECT_EQ(shownText(*dialog), QStringLiteral("Bonjour le monde")) << c.name;
        for (const char* fontControl : {"Labfont", "Labstyle", "Labtaill", "Label1", "PaintBox1"}) {
            EXPECT_EQ(!control<QWidget>(*dialog, fontControl)->isHidden(), c.font)
                << c.name << " " << fontControl;
        }
        for (const char* boxControl : {"RichEdit1", "PaintBox2", "Label2", "CheckBox1"}) {
            EXPECT_EQ(!control<QWidget>(*dialog, boxControl)->isHidden(), c.box)
                << c.name << " " << boxControl;
        }
        EXPECT_EQ(control<QWidget>(*dialog, "WebBrowser1")->isHidden(), c.box) << c.name;
    }
    EXPECT_FALSE(prompter_.texts().join(u'|').contains(QStringLiteral("T49")))
        << prompter_.texts().join(u'|').toStdString();
}

// What cannot be shown is not placed: the dialog says why and stays open, the page unchanged.
TEST_F(LongTextDialogTest, AFileThatCannotBeReadKeepsTheDialogOpenWithTheMessage) {
    const QString missing = media() + QStringLiteral("/absent.txt");
    const QString words = file(QStringLiteral("mots.rtf"), "only words, no rich text");
    const QString letter = file(QStringLiteral("lettre.doc"), "lettre");
    const struct {
        QString typed;
        QString message;
    } cases[] = {
        {QString(), QStringLiteral("T86")},
        {missing, QStringLiteral("T49 ") + missing + QStringLiteral(" T44")},
        {words, QStringLiteral("T49 ") + words + QStringLiteral(" T932 ")},
        {letter, QStringLiteral("T49 ") + letter + QStringLiteral(" T932 ")},
    };
    setPage({});
    for (const auto& c : cases) {
        auto dialog = open(1);
        QTest::keyClicks(control(*dialog, "Edit1"), c.typed);
        dialog->writeAndClose();
        EXPECT_NE(dialog->result(), 6) << c.typed.toStdString();
        EXPECT_TRUE(dialog->isVisible()) << c.typed.toStdString();
        ASSERT_FALSE(prompter_.texts().isEmpty());
        EXPECT_TRUE(prompter_.texts().last().startsWith(c.message))
            << prompter_.texts().last().toStdString();
        EXPECT_TRUE(act().isEmpty()) << c.typed.toStdString();
    }
    // A stored long text whose file went away says so on opening, and OK keeps it unchanged.
    setPage({makeRecord(kRow, 3, stored(missing))});
    const qsizetype before = prompter_.texts().size();
    auto dialog = open(3);
    EXPECT_EQ(prompter_.texts().value(before),
              QStringLiteral("T49 ") + missing + QStringLiteral(" T44"));
    dialog->writeAndClose();
    EXPECT_NE(dialog->result(), 6);
    EXPECT_EQ(act().last().Fichier, stored(missing));
    EXPECT_EQ(act().last().Vitesse, 0);
}

TEST_F(LongTextDialogTest, AStoredPlainTextIsShownInItsFontAndRewrittenInPlace) {
    const QString txt = file(QStringLiteral("notes.txt"), "Caf\xe9");
    ElementRecord r = makeRecord(kRow, 2, stored(txt));
    r.Vitesse = 0;
    r.Couleur = 0x0000FF;
    r.Couldegra = 0x00FF00;
    r.sensdegra = QStringLiteral("Courier New");
    r.style = QStringLiteral("T131");
    r.size = 14;
    r.Gauche = 7;
    setPage({makeRecord(4, 1), r});
    auto dialog = open(2);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("T437"));
    EXPECT_FALSE(control<QCheckBox>(*dialog, "CheckBox1")->isChecked());
    EXPECT_EQ(control<QLabel>(*dialog, "Labfont")->text(), QStringLiteral("Courier New"));
    EXPECT_EQ(control<QLabel>(*dialog, "Labstyle")->text(), QStringLiteral("T131"));
    EXPECT_EQ(control<QLabel>(*dialog, "Labtaill")->text(), QStringLiteral("14"));
    EXPECT_EQ(state().rememberedFont.name, QStringLiteral("Courier New"));
    auto* box = control<QTextEdit>(*dialog, "RichEdit1");
    EXPECT_EQ(box->toPlainText(), QStringLiteral("Café"));
    EXPECT_TRUE(box->document()->defaultFont().bold());
    EXPECT_EQ(box->document()->begin().begin().fragment().charFormat().foreground().color(),
              QColor(Qt::red));
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(Qt::green));

    // The font dialog and the text colour change what the box shows and what OK stores.
    onDialog([](QDialog& d) {
        QFont italic(QStringLiteral("Courier New"), 20);
        italic.setItalic(true);
        static_cast<QFontDialog&>(d).setCurrentFont(italic);
        d.setResult(QDialog::Accepted);
    });
    dialog->chooseFont();
    onDialog([](QDialog& d) {
        static_cast<QColorDialog&>(d).setCurrentColor(QColor(1, 2, 3));
        d.setResult(QDialog::Accepted);
    });
    dialog->chooseSwatchColour(0);
    EXPECT_TRUE(box->document()->defaultFont().italic());
    EXPECT_EQ(box->document()->begin().begin().fragment().charFormat().foreground().color(),
              QColor(1, 2, 3));
    control(*dialog, "Edit2")->setText(QStringLiteral("9"));
    dialog->writeAndClose();
    ASSERT_EQ(dialog->result(), 6) << prompter_.texts().join(u'|').toStdString();
    ASSERT_EQ(act().size(), 2);
    const ElementRecord saved = act()[1];
    EXPECT_EQ(saved.Gauche, 9);
    EXPECT_EQ(saved.Vitesse, 0);
    EXPECT_EQ(saved.style, QStringLiteral("T132"));
    EXPECT_EQ(saved.size, 20);
    EXPECT_EQ(saved.Couleur, 0x030201);
    EXPECT_EQ(saved.Couldegra, 0x00FF00);
}

TEST_F(LongTextDialogTest, HelpAndTheTextEditorTakeTheirOwnPlaces) {
    auto dialog = open(1);
    EXPECT_TRUE(dialog->helpPath().endsWith(QStringLiteral("/aide/zentrovale/longtexte.html")));
    state().languageName = QStringLiteral("ENGLISH");
    EXPECT_TRUE(dialog->helpPath().endsWith(QStringLiteral("/help/zentrovale/longtext.html")));

    QStringList started;
    dialog->startProgram = [&started](const QString& program, const QStringList& arguments) {
        started << program << arguments;
        return true;
    };
    state().settings.setLine(editor::TextEditorLine, QStringLiteral("/usr/bin/editeur"));
    dialog->startTextEditor();
    EXPECT_EQ(prompter_.texts().last(), QStringLiteral("T422"));
    const QString txt = file(QStringLiteral("notes.txt"), "notes");
    choose(*dialog, txt);
    dialog->startTextEditor();
    EXPECT_EQ(started, (QStringList{QStringLiteral("/usr/bin/editeur"),
                                    QStringLiteral("/usr/bin/editeur"), txt}));
}

// The page the position editor shows draws a rich text's words in their own colour, not the
// file's name in the record's.
TEST_F(LongTextDialogTest, ThePositionEditorShowsARichTextsWords) {
    ElementRecord text = makeRecord(kRow, 1, stored(file(QStringLiteral("rouge.rtf"), kRtf)));
    place(text, {10, 10, 300, 100});
    text.Couleur = 0;
    text.Couldegra = 0xFFFFFF;
    setPage({text, plain(4, 2, {400, 300, 20, 20}, kBlue)});
    PositionFixture::open(jouIndex(4, 2));
    int red = 0;
    for (int y = 10; y < 110; ++y) {
        for (int x = 10; x < 310; ++x) {
            const QColor c = QColor::fromRgb(pixel({x, y}));
            red += c.red() > 200 && c.green() < 80 && c.blue() < 80;
        }
    }
    EXPECT_GT(red, 100);
    EXPECT_EQ(pixel({305, 105}), 0xFFFFFFFFu) << "on the record's background";
}

}  // namespace
}  // namespace ztv::test
