#include "common/formats/LangLines.h"
#include "editor/document/PageBook.h"
#include "editor/document/WorkingCopy.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

namespace ztv::test {
namespace {

namespace wc = editor::workingcopy;

// The page commands change the working copy; a save and an open give back exactly the live
// pages, under their new numbers, with no window involved.
TEST(ProjectRoundTrip, PagesMadeRenumberedAndDeletedSaveAndReopen) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString work = root.filePath(QStringLiteral("base"));
    const QString reopened = root.filePath(QStringLiteral("again"));
    ASSERT_TRUE(QDir().mkpath(work) && QDir().mkpath(reopened));
    DriveTable drives;
    drives.set(QLatin1Char('C'), QStringLiteral("/"), DriveType::Fixed);
    const QString templateHost = QStringLiteral(ZTV_APPDIR "/$ini.ini");
    ASSERT_TRUE(wc::createProject(work, templateHost, QStringLiteral("untitled")));

    editor::PageBook book(work);
    int page = 0;
    struct Step {
        int message;
        int result;
    };
    const Step steps[] = {
        {book.create(QStringLiteral("3"), QStringLiteral("Un"), &page), page},
        {book.create(QStringLiteral("5"), QStringLiteral("Deux"), &page), page},
        {book.create(QStringLiteral("5"), QStringLiteral("Encore"), &page), page},
        {book.modify(5, QStringLiteral("2"), QStringLiteral("Deux"), &page), page},
        {book.remove(3), 0},
    };
    const Step expected[] = {{0, 3}, {0, 5}, {lang::PageNumberInUse, 5}, {0, 2}, {0, 0}};
    for (std::size_t n = 0; n < std::size(steps); ++n) {
        EXPECT_EQ(steps[n].message, expected[n].message) << "step " << n;
        EXPECT_EQ(steps[n].result, expected[n].result) << "step " << n;
    }
    EXPECT_EQ(book.lowestFree(), 1);

    const QString project = root.filePath(QStringLiteral("p.PZV"));
    ASSERT_EQ(wc::saveProject(work, project, templateHost, drives).status, wc::SaveResult::Saved);
    ASSERT_EQ(wc::loadProject(project, reopened, drives).status, wc::LoadResult::Loaded);
    const QList<PageEntry> pages = editor::PageBook(reopened).livePages();
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0], (PageEntry{2, QStringLiteral("Deux")}));
}

}  // namespace
}  // namespace ztv::test
