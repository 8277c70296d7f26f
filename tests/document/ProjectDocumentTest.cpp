#include "editor/document/ProjectDocument.h"
#include "editor/document/WorkingCopyOwner.h"
#include "tests/support/ProjectWriter.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

namespace ztv::test {
namespace {

using editor::ProjectDocument;

// The document on a working copy of pages 2 and 5 (5's page file cannot be opened: a folder
// has its name), every signal it emits written down in order, with its argument.
class ProjectDocumentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(QDir().mkpath(state_.paths.workingDir() + QStringLiteral("/5.ACT")));
        ProjectWriter writer(state_.paths.workingDir());
        writer.writePageTable({{2, QStringLiteral("Deux")}, {5, QStringLiteral("Cinq")}});
        writer.writePageFile(2, {makeRecord(4, 1, QStringLiteral("a.jpg"))},
                             QStringLiteral(".ACT"));
        const auto note = [this](const char* name) {
            return [this, name] { events_ << QString::fromLatin1(name); };
        };
        const auto noteValue = [this](const char* name) {
            return [this, name](int value) {
                events_ << QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(value);
            };
        };
        QObject::connect(&document_, &ProjectDocument::pagesChanged, note("pages"));
        QObject::connect(&document_, &ProjectDocument::cellsChanged, note("cells"));
        QObject::connect(&document_, &ProjectDocument::clipboardChanged, note("clipboard"));
        QObject::connect(&document_, &ProjectDocument::recentProjectsChanged, note("recent"));
        QObject::connect(&document_, &ProjectDocument::currentPageChanged, noteValue("page"));
        QObject::connect(&document_, &ProjectDocument::modifiedChanged, noteValue("modified"));
        QObject::connect(&document_, &ProjectDocument::undoAvailableChanged, noteValue("undo"));
        QObject::connect(&document_, &ProjectDocument::problem, noteValue("problem"));
        QObject::connect(
            &document_, &ProjectDocument::projectNameChanged,
            [this](const QString& name) { events_ << QStringLiteral("name ") + name; });
    }
    QStringList takeEvents() { return std::exchange(events_, {}); }

    static editor::SessionSettings stateIn(const QString& dir) {
        editor::SessionSettings state;
        state.paths = AppPaths(dir, dir);
        return state;
    }

    QTemporaryDir dir_;
    editor::SessionSettings state_ = stateIn(dir_.path());
    ProjectDocument document_{state_};
    QStringList events_;
};

TEST_F(ProjectDocumentTest, ShowingAPageRedrawsThePageListThenOpensThePage) {
    const struct {
        int asked;
        int shown;
        QStringList problems;
    } cases[] = {
        {0, 2, {}},  // the first page
        {7, 0, {}},  // not in the list: none
        {5, 0, {QStringLiteral("problem %1").arg(lang::PageFileMissing)}},
    };
    for (const auto& c : cases) {
        document_.showPage(c.asked);
        EXPECT_EQ(takeEvents(), QStringList{QStringLiteral("pages")}
                                    << c.problems << QStringLiteral("undo 0")
                                    << QStringLiteral("page %1").arg(c.shown)
                                    << QStringLiteral("cells"))
            << "page " << c.asked;
        EXPECT_EQ(document_.page(), c.shown) << "page " << c.asked;
    }
}

TEST_F(ProjectDocumentTest, AnEditIsModifiedAndUndoableUntilThePageChanges) {
    document_.showPage(2);
    takeEvents();
    document_.applyEdit(document_.clipboard().copy({1, 4, 1, 4}));
    EXPECT_EQ(takeEvents(), QStringList{QStringLiteral("clipboard")}) << "a copy changes nothing";
    document_.applyEdit(document_.clipboard().cut({1, 4, 1, 4}));
    EXPECT_EQ(takeEvents(), (QStringList{QStringLiteral("modified 1"), QStringLiteral("undo 1"),
                                         QStringLiteral("cells"), QStringLiteral("clipboard")}));
    EXPECT_TRUE(state_.modified);
    EXPECT_TRUE(document_.undoAvailable());

    EXPECT_TRUE(document_.undo().changed);
    EXPECT_EQ(document_.storyboard().cellText(1, 4), QStringLiteral("a.jpg"));
    EXPECT_FALSE(document_.undoAvailable());
    EXPECT_EQ(takeEvents(), (QStringList{QStringLiteral("undo 0"), QStringLiteral("modified 1"),
                                         QStringLiteral("cells")}));

    document_.applyEdit(document_.clipboard().cut({1, 4, 1, 4}));
    document_.switchToPage(2);
    EXPECT_FALSE(document_.undoAvailable()) << "undo is the page's";
}

TEST_F(ProjectDocumentTest, TheOwnerRecordFollowsThePathAndTheModifiedFlag) {
    const QString project = dir_.path() + QStringLiteral("/sub/../film.pzv");
    document_.setSavedPath(project);
    EXPECT_EQ(state_.projectName, dir_.path() + QStringLiteral("/film.pzv"));
    EXPECT_EQ(state_.projectBase, dir_.path() + QStringLiteral("/film"));
    EXPECT_EQ(takeEvents(), QStringList{QStringLiteral("name ") + state_.projectName});
    for (bool modified : {true, false}) {
        document_.setModified(modified);
        const auto owner = editor::WorkingCopyOwner::read(state_.paths.workingCopyOwner());
        ASSERT_TRUE(owner);
        EXPECT_EQ(owner->project, state_.projectName);
        EXPECT_EQ(owner->modified, modified);
    }
    document_.rememberRecent(state_.projectName);
    EXPECT_EQ(state_.settings.line(editor::FirstRecentLine), state_.projectName);
    EXPECT_EQ(takeEvents().last(), QStringLiteral("recent"));
}

}  // namespace
}  // namespace ztv::test
