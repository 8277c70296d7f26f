// The character, animation and panorama dialogs on a page of a new project: what they refuse,
// what OK stores, the disappearance that follows them, and that each reloads what it stored.
#include "editor/animation/AnimationMakerWindow.h"
#include "editor/dialogs/AnimationDialog.h"
#include "editor/dialogs/CharacterDialog.h"
#include "editor/dialogs/PanoramaDialog.h"
#include "editor/document/SessionSettings.h"
#include "tests/editor/ElementDialogFixture.h"

#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>

namespace ztv::test {
namespace {

using editor::AnimationDialog;
using editor::AnimationMakerWindow;
using editor::CharacterDialog;
using editor::PanoramaDialog;

class FigureDialogs : public ElementDialogFixture {
  protected:
    QString stored(const QString& host) { return state().drives.toWindows(host).mid(2); }
    template <class Dialog>
    void chooseStrip(Dialog& d, const QString& host) {
        prompter_.choosePath(host);
        d.choosePicture();
    }
    static void setFrames(QDialog& d, int frames) {
        control<QSpinBox>(d, "SpinEdit2")->setValue(frames);
    }
    // OK: the messages it gave, none when it wrote.
    QStringList pressOk(editor::ElementDialog& d) {
        prompter_ = ScriptedPrompter();
        d.writeAndClose();
        EXPECT_EQ(d.result() == 6, prompter_.texts().isEmpty()) << d.result();
        return prompter_.texts();
    }
    // Opens the dialog on a stored cell again, OKs it unchanged: the record stays byte for byte.
    template <class Dialog>
    void expectReloadsWhatItStored(int column, int row) {
        window().storyboard().fill();
        const auto before = act();
        auto again = openDialog<Dialog>(column, row);
        ASSERT_TRUE(again->editing());
        EXPECT_TRUE(pressOk(*again).isEmpty()) << prompter_.texts().join('|').toStdString();
        EXPECT_EQ(act(), before) << "row " << row;
    }
};

TEST_F(FigureDialogs, ACharacterStripIsCutIntoFramesThatFillIt) {
    const QString strip = picture(QStringLiteral("visage.bmp"), {400, 100});
    const QString voice = media() + QStringLiteral("/voix.wav");
    ASSERT_TRUE(writeFileAtomically(voice, QByteArray("RIFF")));
    auto dialog = openDialog<CharacterDialog>(2, 24);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("T657"));
    EXPECT_TRUE(control(*dialog, "Edit9")->text().isEmpty()) << "no voice yet";
    chooseStrip(*dialog, strip);
    EXPECT_EQ(control(*dialog, "Edit4")->text(), QStringLiteral("400"));
    EXPECT_EQ(control(*dialog, "Edit2")->text(), QStringLiteral("120"));  // centred on 640
    struct Case {
        int frames;
        const char* width;
        QStringList messages;
    } cases[] = {
        {3, "133", {QStringLiteral("T85")}},  // 133 x 3 is not 400
        {4, "100", {QStringLiteral("T87")}},  // then it speaks without its voice
    };
    for (const Case& c : cases) {
        setFrames(*dialog, c.frames);
        EXPECT_EQ(control(*dialog, "Edit4")->text(), QLatin1String(c.width));
        EXPECT_EQ(control(*dialog, "Edit5")->text(), QStringLiteral("100"));
        EXPECT_EQ(pressOk(*dialog), c.messages);
    }
    EXPECT_TRUE(act().isEmpty()) << "nothing written";
    prompter_.choosePath(voice);
    dialog->chooseSound();
    EXPECT_TRUE(pressOk(*dialog).isEmpty());
    const ElementRecord r = act().last();
    EXPECT_EQ(r.Fichier, stored(strip));
    EXPECT_EQ(r.sensdegra, stored(voice));
    EXPECT_EQ(r.style, QStringLiteral("T194"));
    EXPECT_EQ(r.Couleur, 4);
    EXPECT_EQ(QRect(r.Gauche, r.Haut, r.Largeur, r.Hauteur), QRect(120, 190, 100, 100));
    EXPECT_EQ(r.Effet, QStringLiteral("T220"));
    EXPECT_EQ(dialog->edit()->cellText, QStringLiteral("visage.bmp"));
    expectReloadsWhatItStored<CharacterDialog>(2, 24);
}

// An animation needs its arrival, whatever its picture; saved, it moves the disappearance that
// follows it in its row to where it arrives.
TEST_F(FigureDialogs, AnAnimationNeedsItsArrivalAndItsDisappearanceFollowsIt) {
    setAct({makeRecord(26, 4, QStringLiteral("T122"))});
    const QString strip = picture(QStringLiteral("oiseau.bmp"), {256, 48});
    auto dialog = openDialog<AnimationDialog>(2, 26);
    chooseStrip(*dialog, strip);
    setFrames(*dialog, 4);
    EXPECT_EQ(control(*dialog, "Edit8")->text(), control(*dialog, "Edit3")->text());
    // The preview write moves the marker in the .JOU file the same way.
    ASSERT_TRUE(window().storyboard().regenerate());
    control(*dialog, "Edit7")->setText(QStringLiteral("200"));
    control(*dialog, "Edit8")->setText(QStringLiteral("30"));
    ASSERT_TRUE(dialog->writePreview());
    const auto jou = readPageRecords(window().storyboard().jouPath());
    const auto marker = std::find_if(jou.begin(), jou.end(), [](const ElementRecord& r) {
        return r.Fichier == QStringLiteral("T122");
    });
    ASSERT_NE(marker, jou.end());
    EXPECT_EQ(QRect(marker->Gauche, marker->Haut, marker->Largeur, marker->Hauteur),
              QRect(200, 30, 64, 48));
    struct Case {
        const char* left;
        const char* top;
        QStringList messages;
    } cases[] = {
        {"300", "", {QStringLiteral("T84")}},
        {"300", "5x", {QStringLiteral("T841")}},
        {"300", "40", {}},
    };
    for (const Case& c : cases) {
        control(*dialog, "Edit7")->setText(QLatin1String(c.left));
        control(*dialog, "Edit8")->setText(QLatin1String(c.top));
        EXPECT_EQ(pressOk(*dialog), c.messages) << c.top;
    }
    const auto records = act();
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[1].sensdegra, QStringLiteral("300"));
    EXPECT_EQ(records[1].style, QStringLiteral("40"));
    EXPECT_EQ(records[1].Couldegra, 10);
    EXPECT_EQ(QRect(records[0].Gauche, records[0].Haut, records[0].Largeur, records[0].Hauteur),
              QRect(300, 40, 64, 48));
    expectReloadsWhatItStored<AnimationDialog>(2, 26);

    // Its disappearance proposes where it arrives.
    auto gone = openDialog<AnimationDialog>(3, 26);
    gone->chooseDisappearance();
    EXPECT_EQ(control(*gone, "Edit2")->text(), QStringLiteral("300"));
    EXPECT_EQ(control(*gone, "Edit4")->text(), QStringLiteral("64"));
    EXPECT_TRUE(pressOk(*gone).isEmpty());
    EXPECT_EQ(act().last().Fichier, QStringLiteral("T122"));
}

TEST_F(FigureDialogs, APanoramaStoresItsPictureSizeAndItsDisappearanceNone) {
    const QString view = picture(QStringLiteral("vue.bmp"), {1000, 400});
    auto dialog = openDialog<PanoramaDialog>(1, 25);
    EXPECT_EQ(pressOk(*dialog), QStringList{QStringLiteral("T0")});  // the chooser is cancelled
    prompter_.choosePath(view);
    dialog->choosePicture();
    control(*dialog, "Edit4")->setText(QStringLiteral("300"));
    control(*dialog, "Edit5")->setText(QStringLiteral("0"));
    EXPECT_EQ(pressOk(*dialog), QStringList{QStringLiteral("T1")});
    control(*dialog, "Edit5")->setText(QStringLiteral("300"));
    control<QSpinBox>(*dialog, "SpinEdit2")->setValue(50);
    EXPECT_TRUE(pressOk(*dialog).isEmpty());
    ElementRecord r = act().last();
    EXPECT_EQ(r.style, QStringLiteral("1000"));
    EXPECT_EQ(r.Destin2, QStringLiteral("400"));
    EXPECT_EQ(r.Couleur, 50);
    EXPECT_EQ(r.Couldegra, 20);
    EXPECT_EQ(r.sensdegra, QStringLiteral("non"));
    EXPECT_EQ(r.Acte, QStringLiteral("T280"));
    EXPECT_EQ(QRect(r.Gauche, r.Haut, r.Largeur, r.Hauteur), QRect(-180, 40, 300, 300));
    expectReloadsWhatItStored<PanoramaDialog>(1, 25);

    auto gone = openDialog<PanoramaDialog>(2, 25);
    gone->chooseDisappearance();
    EXPECT_EQ(control(*gone, "Edit4")->text(), QStringLiteral("300"));
    EXPECT_TRUE(pressOk(*gone).isEmpty());
    r = act().last();
    EXPECT_EQ(r.Fichier, QStringLiteral("T122"));
    EXPECT_TRUE(r.style.isEmpty());
    EXPECT_TRUE(r.Destin2.isEmpty());
    expectReloadsWhatItStored<PanoramaDialog>(2, 25);
}

// Each kind's cell opens its dialog with its help page, and its tools get the picture.
TEST_F(FigureDialogs, EachCellOpensItsDialog) {
    struct Case {
        int row;
        const char* name;
        const char* help;
    } cases[] = {{24, "formperso", "personnage.html"},
                 {25, "vpan", "panorama.html"},
                 {26, "Formanim", "animation.html"},
                 {29, "Formanim", "animation.html"}};
    for (const Case& c : cases) {
        QString shown;
        QString help;
        onDialog([&](QDialog& d) {
            shown = d.objectName();
            help = static_cast<editor::ElementDialog&>(d).helpPath();
        });
        window().storyboard().setCurrentCell(1, c.row);
        window().openCell();
        EXPECT_EQ(shown, QLatin1String(c.name)) << c.row;
        EXPECT_TRUE(help.endsWith(QLatin1String(c.help))) << help.toStdString();
    }
}

// "Nouveau": the strip the animation maker writes is the animation's, placed as the maker
// proposes (centred at the frame size) with its frames; the arrival starts where it stands.
TEST_F(FigureDialogs, NouveauPlacesTheStripTheAnimationMakerWrites) {
    const QStringList frames{picture(QStringLiteral("a.bmp"), {40, 30}, Qt::red),
                             picture(QStringLiteral("b.bmp"), {40, 30}, Qt::green),
                             picture(QStringLiteral("c.bmp"), {40, 30}, Qt::blue)};
    onDialog([&](QDialog& d) {
        auto& maker = dynamic_cast<AnimationMakerWindow&>(d);
        maker.addFiles(frames);
        prompter_.choosePath(media() + QStringLiteral("/nom"));
        maker.create();
    });
    auto dialog = openDialog<AnimationDialog>(2, 26);
    control<QPushButton>(*dialog, "BitBtn2")->click();
    EXPECT_EQ(control(*dialog, "Edit1")->text(), media() + QStringLiteral("/nom.BMP"));
    QStringList shown;
    for (const char* name : {"Edit2", "Edit3", "Edit4", "Edit5", "Edit7", "Edit8"}) {
        shown << control(*dialog, name)->text();
    }
    EXPECT_EQ(shown.join(u' '), QStringLiteral("300 225 40 30 300 225"));
    EXPECT_EQ(control<QSpinBox>(*dialog, "SpinEdit2")->value(), 3);
}

}  // namespace
}  // namespace ztv::test
