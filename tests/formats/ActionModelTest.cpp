// Stored action texts and yes/no flags, read once as typed values.
#include "common/formats/ActionModel.h"
#include "common/formats/ElementRecord.h"
#include "common/formats/LanguageFile.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace ztv {
namespace {

class ActionModel : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(french.load(ZTV_SOURCE_DIR "/assets/lang/FRENCH.asc")); }
    ActionKind kindOfLine(int n) const { return actionKind(french.text(n), french); }

    LanguageFile french;
};

TEST_F(ActionModel, EachActionLineNamesItsOwnAction) {
    EXPECT_EQ(kindOfLine(280), ActionKind::None);
    EXPECT_EQ(kindOfLine(281), ActionKind::GoToPage);
    EXPECT_EQ(kindOfLine(282), ActionKind::GoToColumn);
    EXPECT_EQ(kindOfLine(283), ActionKind::GoToPageAndColumn);
    EXPECT_EQ(kindOfLine(291), ActionKind::Quit);
    EXPECT_EQ(kindOfLine(294), ActionKind::RunAndWait);
    EXPECT_EQ(kindOfLine(295), ActionKind::OpenProject);
    EXPECT_EQ(kindOfLine(299), ActionKind::OpenWithParametersOnDrives);
    EXPECT_EQ(kindOfLine(379), ActionKind::PrintTextThenGoToPage);
    std::set<ActionKind> kinds;
    for (int n = 280; n <= 295; ++n) {
        kinds.insert(kindOfLine(n));
        EXPECT_EQ(actionLine(kindOfLine(n)), n);
    }
    kinds.insert(kindOfLine(299));
    kinds.insert(kindOfLine(379));
    EXPECT_EQ(kinds.size(), 18u) << "no two lines name the same action";
    EXPECT_FALSE(kinds.count(ActionKind::Unknown));
}

// The project's file list gathers the parameters that name files; a page number never counts.
TEST_F(ActionModel, OnlyFileActionsNameFilesInTheirParameters) {
    std::map<int, int> files;
    for (int n : {280, 281, 282, 283, 284, 285, 286, 287, 288, 289, 290, 291, 292, 293, 294, 295,
                  299, 379}) {
        if (const int count = fileParameterCount(kindOfLine(n))) {
            files[n] = count;
        }
    }
    EXPECT_EQ(files,
              (std::map<int, int>{{284, 1}, {285, 2}, {288, 1}, {292, 1}, {299, 1}, {379, 1}}));
}

// Stored vocabulary matches whole and case-sensitively; an empty action is no action, any
// other text is an action that does nothing.
TEST_F(ActionModel, OnlyTheExactTextNamesAnAction) {
    EXPECT_EQ(actionKind(QString(), french), ActionKind::None);
    EXPECT_EQ(actionKind(french.text(283) + u' ', french), ActionKind::Unknown);
    EXPECT_EQ(actionKind(french.text(283).toUpper(), french), ActionKind::Unknown);
    EXPECT_EQ(actionKind(french.text(221), french), ActionKind::Unknown) << "an effect name";
    EXPECT_EQ(actionLine(ActionKind::Unknown), -1);

    LanguageFile none;
    none.load(QStringLiteral("/nonexistent/rlang.asc"));
    EXPECT_EQ(actionKind(french.text(283), none), ActionKind::Unknown);
    EXPECT_EQ(actionKind(QString(), none), ActionKind::None);
}

TEST_F(ActionModel, TheRecordGivesItsActionWithBothParameters) {
    ElementRecord r;
    r.Acte = french.text(283);
    r.Destination = QStringLiteral("4");
    r.Destin2 = QStringLiteral("2");
    const Action action = actionOf(r, french);
    EXPECT_EQ(action, (Action{ActionKind::GoToPageAndColumn, "4", "2"}));
    EXPECT_TRUE(action.isAction());
    r.Acte = french.text(280);
    EXPECT_FALSE(actionOf(r, french).isAction());
}

TEST(RecordFlags, OnlyTheExactFlagTextCounts) {
    ElementRecord r;
    r.Click = QStringLiteral("non");
    r.DisparAuto = r.Inverse = r.IntegrFond = QStringLiteral("oui");
    EXPECT_TRUE(r.actsWithoutClick());
    EXPECT_TRUE(r.disappearsAtChange());
    EXPECT_TRUE(r.reversesNextEffect());
    EXPECT_TRUE(r.joinsBackground());
    r.Click = QStringLiteral("NON");
    r.DisparAuto = QStringLiteral("oui ");
    r.Inverse.clear();
    r.IntegrFond = QStringLiteral("non");
    EXPECT_FALSE(r.actsWithoutClick()) << "a click is needed unless the flag is exactly non";
    EXPECT_FALSE(r.disappearsAtChange());
    EXPECT_FALSE(r.reversesNextEffect());
    EXPECT_FALSE(r.joinsBackground());
    EXPECT_EQ(ouiNon(true), QStringLiteral("oui"));
    EXPECT_EQ(ouiNon(false), QStringLiteral("non"));
}

}  // namespace
}  // namespace ztv
