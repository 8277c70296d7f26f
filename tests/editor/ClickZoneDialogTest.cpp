// The click-zone dialog on a page of a new project: a zone made from a double click, the
// parameter controls each action shows and what their browse buttons choose, a zone reloaded.
#include "common/platform/FileIo.h"
#include "editor/dialogs/CellDialogs.h"
#include "editor/dialogs/ClickZoneDialog.h"
#include "tests/editor/ProjectFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QUrl>

namespace ztv::test {
namespace {

using editor::ClickZoneDialog;

class ClickZoneDialogTest : public ProjectFixture {
  protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        newProjectWithPages({QStringLiteral("Un"), QStringLiteral("Deux")});
        window().document().switchToPage(1);
    }
    void TearDown() override {
        window().hide();
        session_.reset();
    }
    QList<ElementRecord> act() { return readPageRecords(window().storyboard().actPath()); }
    void setAct(const QList<ElementRecord>& records) {
        window().storyboard().closePage();
        ProjectWriter(workingDir()).writePageFile(1, records, QStringLiteral(".ACT"));
        ASSERT_TRUE(window().storyboard().openPage(1));
    }
    std::unique_ptr<ClickZoneDialog> open(int column, int row) {
        auto& storyboard = window().storyboard();
        storyboard.setCurrentCell(column, row);
        auto dialog = std::make_unique<ClickZoneDialog>(
            state(), prompter_, storyboard, !storyboard.cellText(column, row).isEmpty(), &window());
        dialog->show();
        return dialog;
    }
    template <class W = QLineEdit>
    static W* control(QDialog& d, const char* name) {
        auto* w = d.findChild<W*>(QLatin1String(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
    static void chooseAction(QDialog& d, int line) {
        auto* list = control<QComboBox>(d, "ComboBox2");
        list->setCurrentIndex(list->findText(numberedText(line)));
        ASSERT_GE(list->currentIndex(), 0) << line;
    }
};

TEST_F(ClickZoneDialogTest, ADoubleClickedZoneCellStoresANewZoneThatTheStoryboardShows) {
    window().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    EXPECT_TRUE(editor::rowHasDialog(50) && editor::rowHasDialog(59));
    onDialog([](QDialog& d) {
        d.show();
        EXPECT_EQ(d.windowTitle(), numberedText(689));
        EXPECT_TRUE(control<QRadioButton>(d, "RadioButton5")->isChecked());
        EXPECT_TRUE(control(d, "Edit6")->isHidden());
        EXPECT_TRUE(control(d, "EditSurvol1")->isHidden());
        control<QPushButton>(d, "OKBtn")->click();
    });
    auto& grid = window().grid();
    const QPoint centre = grid.visualRect(grid.model()->index(57 - 1, 3 - 1)).center();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, centre);
    const QString name = numberedText(168) + QStringLiteral(" 8");
    EXPECT_EQ(window().storyboard().cellText(3, 57), name);
    ASSERT_EQ(act().size(), 1);
    const ElementRecord r = act().first();
    EXPECT_EQ(std::tuple(r.Ligne, r.Colonne, r.Fichier), std::tuple(57, 3, name));
    EXPECT_EQ(QRect(r.Gauche, r.Haut, r.Largeur, r.Hauteur), QRect(2, 2, 100, 30));
    EXPECT_EQ(std::tuple(r.Acte, r.Click, r.Inverse),
              std::tuple(numberedText(280), QStringLiteral("oui"), QStringLiteral("non")));
    // The placed zone is in the .JOU file the player reads.
    EXPECT_EQ(readPageRecords(window().storyboard().jouPath()).size(), 1);
}

TEST_F(ClickZoneDialogTest, EachActionShowsItsParameterControls) {
    struct Case {
        int action;
        bool first, firstBrowse, second, secondBrowse;
    };
    const Case cases[] = {{280, false, false, false, false}, {281, true, true, false, false},
                          {282, true, false, false, false},  {283, true, true, true, false},
                          {285, true, true, true, true},     {291, false, false, false, false},
                          {292, true, true, true, false},    {294, true, true, true, true},
                          {379, true, true, true, true}};
    auto dialog = open(1, 50);
    for (const Case& c : cases) {
        chooseAction(*dialog, c.action);
        EXPECT_EQ(!control(*dialog, "Edit6")->isHidden(), c.first) << c.action;
        EXPECT_EQ(!control<QPushButton>(*dialog, "BtAct")->isHidden(), c.firstBrowse) << c.action;
        EXPECT_EQ(!control(*dialog, "Editd")->isHidden(), c.second) << c.action;
        EXPECT_EQ(!control<QPushButton>(*dialog, "BtAct2")->isHidden(), c.secondBrowse) << c.action;
    }
}

// Action 283 takes its page from the chooser, and a cancelled chooser changes nothing; the
// program of action 294 is stored without its drive, its parameter file as the program reads it.
TEST_F(ClickZoneDialogTest, BrowseButtonsChooseAPageOrTheFilesOfAProgram) {
    auto dialog = open(1, 51);
    chooseAction(*dialog, 283);
    onDialog([](QDialog& d) {
        auto* list = control<QListWidget>(d, "ListBox1");
        list->setCurrentRow(1);
        emit list->itemDoubleClicked(list->item(1));
    });
    onDialog([](QDialog& d) { control<QPushButton>(d, "BitBtn2")->click(); });
    for (int i = 0; i < 2; ++i) {
        control<QPushButton>(*dialog, "BtAct")->click();
        EXPECT_EQ(control(*dialog, "Edit6")->text(), QStringLiteral("2"));
    }

    chooseAction(*dialog, 294);
    const QString program = dir_.path() + QStringLiteral("/bin/outil");
    const QString parameter = dir_.path() + QStringLiteral("/mes docs/a.txt");
    prompter_.choosePath(program);
    control<QPushButton>(*dialog, "BtAct")->click();
    prompter_.choosePath(parameter);
    control<QPushButton>(*dialog, "BtAct2")->click();
    EXPECT_EQ(control(*dialog, "Edit6")->text(), program);
    EXPECT_EQ(control(*dialog, "Editd")->text(), u'"' + parameter + u'"');
    dialog->writeAndClose();
    ASSERT_EQ(dialog->result(), 6);
    const ElementRecord r = act().last();
    EXPECT_EQ(r.Destination, state().drives.toWindows(program).mid(2));
    EXPECT_EQ(r.Destin2, u'"' + parameter + u'"');
}

TEST_F(ClickZoneDialogTest, AReloadedZoneShowsWhatWasStoredAndIsRewrittenInPlace) {
    ElementRecord zone = makeRecord(52, 2, numberedText(168) + QStringLiteral(" 3"));
    zone.Gauche = 15;
    zone.Haut = 25;
    zone.Largeur = 35;
    zone.Hauteur = 45;
    zone.Acte = numberedText(283);
    zone.Destination = QStringLiteral("4");
    zone.Destin2 = QStringLiteral("2");
    zone.Inverse = QStringLiteral("oui");
    zone.Click = QStringLiteral("non");
    zone.SurvolAction = 1;
    zone.SurvolPage = 3;
    zone.SurvolColonne = 5;
    setAct({makeRecord(4, 1), zone});
    const QString help = appDir() + QStringLiteral("/aide/zentrovale/zoneclic.html");
    QDir().mkpath(QFileInfo(help).absolutePath());
    ASSERT_TRUE(writeFileAtomically(help, "<html></html>"));
    auto dialog = open(2, 52);
    control<QPushButton>(*dialog, "BitBtn4")->click();
    ASSERT_EQ(shell_->addresses.size(), 1);
    EXPECT_EQ(QUrl(shell_->addresses[0]).toLocalFile(), help);
    state().languageName = QStringLiteral("ENGLISH");
    EXPECT_EQ(dialog->helpPath(), appDir() + QStringLiteral("/help/zentrovale/hotzone.html"));
    EXPECT_EQ(dialog->windowTitle(), numberedText(439));
    const std::pair<const char*, const char*> shown[] = {
        {"Edit2", "15"}, {"Edit3", "25"}, {"Edit4", "35"},      {"Edit5", "45"},
        {"Edit6", "4"},  {"Editd", "2"},  {"EditSurvol1", "3"}, {"EditSurvol2", "5"}};
    for (const auto& [name, value] : shown) {
        EXPECT_EQ(control(*dialog, name)->text(), QLatin1String(value)) << name;
        EXPECT_FALSE(control(*dialog, name)->isHidden()) << name;
    }
    EXPECT_EQ(control<QComboBox>(*dialog, "ComboBox2")->currentText(), numberedText(283));
    EXPECT_TRUE(control<QCheckBox>(*dialog, "CheckBox3")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(*dialog, "RadioButton6")->isChecked());
    EXPECT_EQ(control<QComboBox>(*dialog, "ComboSurvol")->currentIndex(), 1);
    // Without an action the zone keeps its flag, whatever the box says.
    chooseAction(*dialog, 280);
    control<QCheckBox>(*dialog, "CheckBox3")->setChecked(false);
    dialog->writeAndClose();
    ASSERT_EQ(dialog->result(), 6);
    const auto records = act();
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[1].Acte, numberedText(280));
    EXPECT_EQ(records[1].Inverse, QStringLiteral("oui"));
    EXPECT_EQ(records[1].SurvolPage, 3);
    EXPECT_EQ(dialog->edit()->cellText, numberedText(168) + QStringLiteral(" 3"));
}

}  // namespace
}  // namespace ztv::test
