// The byte-range moves between the two record layouts must give exactly what decoding and
// encoding again gives, on records as odd as a file can hold.
#include "common/formats/Container.h"
#include "common/formats/ElementRecord.h"
#include "common/formats/RecordLayouts.h"
#include "tests/support/ProjectWriter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>

namespace ztv {
namespace {

enum class Layout { Page, Project };

// Random bytes, then a cell that is often inside the grid, and string length bytes around
// their capacity (0, just below, at, just above, 255) with garbage after them.
QByteArray oddRecord(QRandomGenerator& rng, Layout layout) {
    QByteArray bytes(layout == Layout::Page ? kPageRecordSize : kProjectRecordSize, '\0');
    for (char& c : bytes) {
        c = char(rng.bounded(256));
    }
    if (rng.bounded(4) != 0) {
        qToLittleEndian<std::int32_t>(int(rng.bounded(-1, kRowCount + 2)), bytes.data());
        qToLittleEndian<std::int32_t>(int(rng.bounded(-1, kColumnCount + 2)), bytes.data() + 4);
    }
    ElementRecord probe;
    forEachField(probe, [&](const auto& field, const auto&) {
        if (field.capacity == 0 || field.capacity == 8 || rng.bounded(3) == 0) {
            return;  // numbers keep their random bytes, some strings too
        }
        const int lengths[] = {0, field.capacity - 1, field.capacity, field.capacity + 1, 255};
        const int at = layout == Layout::Page ? field.pageOffset : field.projectOffset;
        bytes[at] = char(std::min(255, lengths[rng.bounded(5)]));
    });
    return bytes;
}

TEST(RecordLayouts, ByteMovesMatchDecodingAndEncodingOnOddRecords) {
    QRandomGenerator rng(14);
    for (int round = 0; round < 3000; ++round) {
        const QByteArray project = oddRecord(rng, Layout::Project);
        const recordlayouts::ProjectBytes projectBytes(project.constData(), kProjectRecordSize);
        std::int32_t page = 0;
        const ElementRecord fromProject = decodeProjectRecord(project, &page);
        QByteArray asPage(kPageRecordSize, '\0');
        recordlayouts::projectToPage(
            projectBytes, std::span<char, kPageRecordSize>(asPage.data(), kPageRecordSize));
        ASSERT_EQ(asPage, encodePageRecord(fromProject)) << "round " << round;
        ASSERT_EQ(recordlayouts::projectRecordIsAbsent(projectBytes), fromProject.isAbsent());
        ASSERT_EQ(recordlayouts::projectRecordPage(projectBytes), page);

        const QByteArray pageRecord = oddRecord(rng, Layout::Page);
        const recordlayouts::PageBytes pageBytes(pageRecord.constData(), kPageRecordSize);
        const ElementRecord fromPage = decodePageRecord(pageRecord);
        QByteArray asProject(kProjectRecordSize, '\0');
        recordlayouts::pageToProject(
            pageBytes, page,
            std::span<char, kProjectRecordSize>(asProject.data(), kProjectRecordSize));
        ASSERT_EQ(asProject, encodeProjectRecord(fromPage, page)) << "round " << round;
        ASSERT_EQ(recordlayouts::pageRecordIsAbsent(pageBytes), fromPage.isAbsent());
    }
}

TEST(RecordLayouts, SplitThenPackGivesTheDecodedContainerBack) {
    QTemporaryDir tmp;
    const QString pages = tmp.filePath("pages");
    QDir().mkpath(pages);
    QRandomGenerator rng(1232);
    // Pages 1 to 30 in order, each one run of odd records; absent records and records of no
    // page are dropped on the way, every kept one normalised as decoding would.
    QByteArray container(kProjectRecordSize, '\0');
    QByteArray expected(kProjectRecordSize, '\0');
    QList<PageEntry> table;
    for (std::int32_t page = 1; page <= 30; ++page) {
        table.append({page, QStringLiteral("page")});
        for (int i = 0; i < 40; ++i) {
            QByteArray record = oddRecord(rng, Layout::Project);
            const std::int32_t number = rng.bounded(20) == 0 ? -page : page;
            qToLittleEndian(number, record.data() + kProjectPageOffset);
            container += record;
            const ElementRecord decoded = decodeProjectRecord(record);
            if (!decoded.isAbsent() && number > 0) {
                expected += encodeProjectRecord(decoded, number);
            }
        }
    }
    ASSERT_GT(expected.size(), 100 * kProjectRecordSize);
    test::ProjectWriter writer(tmp.path());
    const SplitResult split = splitContainer(writer.writeBytes("odd.ZTV", container), pages, true);
    ASSERT_TRUE(split.ok) << split.error.toStdString();
    EXPECT_EQ(split.pages.size(), 30);
    EXPECT_EQ(test::readBytes(QDir(pages).filePath("7.ACT")),
              test::readBytes(QDir(pages).filePath("7.JOU")));
    const auto packed = packContainerData(pages, table);
    ASSERT_TRUE(packed);
    EXPECT_EQ(*packed, expected);
}

}  // namespace
}  // namespace ztv
