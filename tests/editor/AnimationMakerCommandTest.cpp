// The animation maker opens from the Studio menu.
#include "common/formats/LangLines.h"
#include "tests/editor/ProjectFixture.h"

#include <QAction>
#include <QPushButton>

namespace ztv::test {
namespace {

class AnimationMakerCommand : public ProjectFixture {};

TEST_F(AnimationMakerCommand, StudioMenuOpensTheMaker) {
    QAction* item = window().menuItem(QStringLiteral("CreerAnimation1"));
    ASSERT_NE(item, nullptr);
    ASSERT_TRUE(item->isEnabled());
    EXPECT_EQ(item->text(), numberedText(lang::AnimationMakerCaption));
    onDialog(
        [](QDialog& dialog) { dialog.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click(); });
    item->trigger();
    EXPECT_EQ(dialogsShown, QStringList{QStringLiteral("Form17")});
    EXPECT_EQ(prompter_.texts().last(), numberedText(lang::AnimationListEmpty));
}

}  // namespace
}  // namespace ztv::test
