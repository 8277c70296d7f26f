#include "editor/app/CommandTable.h"
#include "editor/dialogs/OkBox.h"
#include "editor/dialogs/OkCancelBox.h"
#include "editor/dialogs/YesNoCancelBox.h"
#include "tests/editor/EditorFixture.h"

#include <QAction>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace ztv::test {
namespace {

class MainWindowTest : public EditorFixture {
  protected:
    void SetUp() override {
        EditorFixture::SetUp();
        session_ = start();
        ASSERT_TRUE(session_);
    }
    editor::MainWindow& window() { return *session_->window; }

    std::unique_ptr<editor::EditorSession> session_;
};

TEST_F(MainWindowTest, EveryCaptionAndHintComesFromItsLanguageLine) {
    for (const auto& menu : editor::menus()) {
        EXPECT_EQ(window().menuItem(QLatin1String(menu.name))->text(),
                  numberedText(menu.captionLine))
            << menu.name;
    }
    for (const auto& entry : editor::commandEntries()) {
        const char* item = entry.item.name;
        if (item && QLatin1String(item).left(4) != QLatin1String("proj")) {
            EXPECT_EQ(window().menuItem(QLatin1String(item))->text(),
                      numberedText(entry.item.captionLine))
                << item;
        }
        if (const char* button = entry.button.name) {
            EXPECT_TRUE(window()
                            .toolButton(QLatin1String(button))
                            ->toolTip()
                            .startsWith(numberedText(entry.button.hintLine)))
                << button;
        }
    }
    EXPECT_EQ(window().findChild<QLabel*>(QStringLiteral("Label1"))->text(), numberedText(155));
    EXPECT_EQ(window().toolButton(QStringLiteral("BVisuel"))->text(), numberedText(708));
    EXPECT_EQ(window().grid().toolTip(), numberedText(736));
    EXPECT_EQ(window().grid().model()->headerData(0, Qt::Vertical).toString(), numberedText(300));
    EXPECT_EQ(window().grid().model()->headerData(60, Qt::Vertical).toString(), numberedText(360));
    EXPECT_EQ(window().grid().model()->headerData(19, Qt::Horizontal).toString(),
              QStringLiteral("20"));
}

TEST_F(MainWindowTest, RecentProjectItemsShowOnlyTheProjectsThereAre) {
    QStringList settings(15, QStringLiteral("$"));
    settings[6] = QStringLiteral("/p/a.PZV");
    writeSettings(settings);
    session_.reset();
    session_ = start();
    ASSERT_TRUE(session_);
    EXPECT_EQ(window().menuItem(QStringLiteral("proj1"))->text(), QStringLiteral("1- /p/a.PZV"));
    EXPECT_EQ(window().menuItem(QStringLiteral("proj2"))->text(), numberedText(728));
    EXPECT_TRUE(window().menuItem(QStringLiteral("proj1"))->isVisible());
    for (const char* empty : {"proj2", "proj3", "proj4", "proj5"}) {
        EXPECT_FALSE(window().menuItem(QLatin1String(empty))->isVisible()) << empty;
    }
}

TEST_F(MainWindowTest, ToolbarButtonsSitInTheirPlacesWithoutOverlapping) {
    // The places of the toolbar's design, 31 x 31 each.
    const QList<std::pair<const char*, QPoint>> places = {
        {"BNew", {18, 22}},       {"BOpen", {52, 22}},      {"BSave", {85, 22}},
        {"BCopier", {119, 22}},   {"BCouper", {153, 22}},   {"BColler", {187, 22}},
        {"BSuppr", {221, 22}},    {"BAjout", {289, 9}},     {"BNewPage", {323, 9}},
        {"BDiaporama", {357, 9}}, {"BGrille", {408, 9}},    {"BPosition", {442, 9}},
        {"BListe", {476, 9}},     {"BJouer", {546, 22}},    {"BCreerAppli", {587, 22}},
        {"Baide", {657, 22}},     {"BQuestion", {691, 22}}, {"BitBtn3", {725, 22}}};
    QList<QRect> shown;
    for (const auto& [name, place] : places) {
        const QToolButton* b = window().toolButton(QLatin1String(name));
        ASSERT_TRUE(b) << name;
        EXPECT_FALSE(b->isHidden()) << name;
        EXPECT_EQ(b->geometry(), QRect(place, QSize(31, 31))) << name;
        for (const QRect& other : shown) {
            EXPECT_FALSE(other.intersects(b->geometry())) << name;
        }
        EXPECT_LE(b->geometry().bottom(), 85) << name << " stays on the 85-pixel panel";
        shown.append(b->geometry());
    }
    // The web preview's button shares a place and stays hidden.
    EXPECT_TRUE(window().toolButton(QStringLiteral("BJouer2"))->isHidden());
}

TEST_F(MainWindowTest, StandardCommandsAnswerTheDesktopsKeysAndNoKeyRunsTwoCommands) {
    // (item, key): the desktop's keys, the editor's own where they collide with none, and the
    // free keys the page clipboard and the position editor moved to.
    const QList<std::pair<const char*, const char*>> keys = {{"Nouveau1", "Ctrl+N"},
                                                             {"Ouvrir1", "Ctrl+O"},
                                                             {"Enreg", "Ctrl+S"},
                                                             {"Enreg", "Ctrl+E"},
                                                             {"Enregistrersous1", "Ctrl+Shift+S"},
                                                             {"Imprimer1", "Ctrl+P"},
                                                             {"Qitter1", "Ctrl+Q"},
                                                             {"Dfaire1", "Ctrl+Z"},
                                                             {"Copier1", "Ctrl+C"},
                                                             {"Couper1", "Ctrl+X"},
                                                             {"Coller1", "Ctrl+V"},
                                                             {"Supprimer1", "Del"},
                                                             {"InsCol", "Ins"},
                                                             {"Aide2", "F1"},
                                                             {"CopierPage1", "Ctrl+Shift+C"},
                                                             {"CollerPage1", "Ctrl+Shift+V"},
                                                             {"Positionnement2", "Ctrl+Shift+P"}};
    for (const auto& [item, key] : keys) {
        EXPECT_TRUE(window().menuItem(QLatin1String(item))->shortcuts().contains(QKeySequence(key)))
            << item << " " << key;
    }
    // The menu shows the desktop's key.
    EXPECT_EQ(window().menuItem(QStringLiteral("Enreg"))->shortcut(), QKeySequence("Ctrl+S"));
    QHash<QKeySequence, QString> owners;
    for (const QAction* item : window().findChildren<QAction*>()) {
        for (const QKeySequence& key : item->shortcuts()) {
            EXPECT_FALSE(owners.contains(key))
                << key.toString().toStdString() << " runs " << owners.value(key).toStdString()
                << " and " << item->objectName().toStdString();
            owners.insert(key, item->objectName());
        }
    }
}

TEST_F(MainWindowTest, StartStates) {
    EXPECT_FALSE(window().menuItem(QStringLiteral("Excuter2"))->isVisible());
    EXPECT_TRUE(window().toolButton(QStringLiteral("BJouer2"))->isHidden());
    EXPECT_FALSE(window().toolButton(QStringLiteral("BJouer"))->isHidden());
    EXPECT_TRUE(window().menuItem(QStringLiteral("Grille1"))->isChecked());

    // What this window does itself is enabled; commands of features still to come are not.
    for (const char* on : {"BGrille", "BListe", "BitBtn3", "BNew", "BOpen", "BSave", "BNewPage",
                           "BAjout", "BPosition"}) {
        EXPECT_TRUE(window().isCommandEnabled(*editor::commandOf(QLatin1String(on)))) << on;
    }
    for (const char* off : {"BCopier", "Dfaire1", "CollerPage1", "BColler"}) {
        EXPECT_FALSE(window().isCommandEnabled(*editor::commandOf(QLatin1String(off)))) << off;
        if (const QToolButton* button = window().toolButton(QLatin1String(off))) {
            EXPECT_FALSE(button->isEnabled()) << off;
        }
    }
    EXPECT_TRUE(window().menuItem(QStringLiteral("Nouveau1"))->isEnabled());
}

TEST_F(MainWindowTest, RegisteringAHandlerEnablesTheCommandButStateCanStillHoldItBack) {
    int runs = 0;
    window().setCommandHandler(editor::Command::NewProject, [&runs] { ++runs; });
    EXPECT_TRUE(window().toolButton(QStringLiteral("BNew"))->isEnabled());
    EXPECT_TRUE(window().menuItem(QStringLiteral("Nouveau1"))->isEnabled());
    window().menuItem(QStringLiteral("Nouveau1"))->trigger();
    window().toolButton(QStringLiteral("BNew"))->click();
    EXPECT_EQ(runs, 2);

    window().setCommandHandler(editor::Command::Paste, [&runs] { ++runs; });
    EXPECT_FALSE(window().isCommandEnabled(editor::Command::Paste)) << "paste starts disabled";
    window().runCommand(editor::Command::Paste);
    EXPECT_EQ(runs, 2);
    window().setCommandEnabled(editor::Command::Paste, true);
    EXPECT_TRUE(window().menuItem(QStringLiteral("Coller1"))->isEnabled());
}

class MessageBoxTest : public EditorFixture {
  protected:
    int clickButton(editor::MessageDialog& box, int captionLine) {
        box.open();
        for (QPushButton* b : box.findChildren<QPushButton*>()) {
            if (b->text() == numberedText(captionLine)) {
                b->click();
                return box.result();
            }
        }
        ADD_FAILURE() << "no button " << captionLine;
        return -1;
    }
    LanguageFile language() {
        LanguageFile l;
        EXPECT_TRUE(l.load(appDir() + QStringLiteral("/lang/FRENCH.asc")));
        return l;
    }
};

TEST_F(MessageBoxTest, AnUnaskedQuestionKeepsTheWorkByDefaultAndIgnoresEarlyClicks) {
    const LanguageFile lang = language();
    editor::YesNoCancelBox box(lang, QStringLiteral("?"), nullptr, editor::YesNoCancelBox::Unasked);
    box.open();
    const QList<QPushButton*> buttons = box.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 3);
    EXPECT_EQ(buttons[2]->text(), numberedText(491));
    EXPECT_TRUE(buttons[2]->isDefault()) << "the default answer is Cancel";
    EXPECT_FALSE(buttons[0]->isDefault());
    QTest::mouseClick(buttons[1], Qt::LeftButton);
    EXPECT_TRUE(box.isVisible()) << "a click as the box appears answers nothing";
    QTest::qWait(editor::YesNoCancelBox::kUnaskedClickDelayMs + 200);
    QTest::mouseClick(buttons[1], Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), 7);
}

TEST_F(MessageBoxTest, ButtonsReturnTheValuesCallersCompare) {
    const LanguageFile lang = language();
    {
        editor::YesNoCancelBox box(lang, QStringLiteral("?"));
        EXPECT_EQ(box.windowTitle(), numberedText(528));
        EXPECT_EQ(box.findChildren<QPushButton*>().size(), 3);
        EXPECT_TRUE(box.windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_EQ(clickButton(box, 578), 6);
    }
    {
        editor::YesNoCancelBox box(lang, QStringLiteral("?"));
        EXPECT_EQ(clickButton(box, 579), 7);
    }
    {
        editor::YesNoCancelBox box(lang, QStringLiteral("?"));
        box.open();
        box.reject();
        EXPECT_EQ(box.result(), 2) << "closing the box is Cancel";
    }
    {
        editor::OkCancelBox box(lang, QStringLiteral("?"));
        EXPECT_EQ(clickButton(box, 489), 1);
    }
    {
        editor::OkCancelBox box(lang, QStringLiteral("?"));
        EXPECT_EQ(clickButton(box, 491), 2);
    }
    {
        editor::OkBox box(lang, QStringLiteral("texte"));
        EXPECT_EQ(box.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                  QStringLiteral("texte"));
        EXPECT_FALSE(box.findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull())
            << "the warning picture is compiled in";
        EXPECT_EQ(clickButton(box, 489), 1);
        const auto picture = [&lang](editor::MessageSign sign) {
            return editor::OkBox(lang, {}, nullptr, sign)
                .findChild<QLabel*>(QStringLiteral("Image1"))
                ->pixmap()
                .toImage();
        };
        const QImage information = picture(editor::MessageSign::Information);
        EXPECT_FALSE(information.isNull());
        EXPECT_NE(information, picture(editor::MessageSign::Warning)) << "a success, no warning";
    }
}

}  // namespace
}  // namespace ztv::test
