#include "common/archives/EntryReader.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace ztv;

namespace {

// Counts the returns to the start of the file.
class CountingBuffer : public QBuffer {
  public:
    using QBuffer::QBuffer;
    bool seek(qint64 pos) override {
        if (pos == 0 && this->pos() != 0)
            ++rewinds;
        return QBuffer::seek(pos);
    }
    int rewinds = 0;
};

QByteArray mediaData() {
    return encodeEntry("\\images\\a.jpg", "AAAA") + encodeEntry("\\images\\b.bmp", "BBBBBBBB") +
           encodeEntry("\\images\\c.gif", "C");
}

}  // namespace

TEST(EntryReader, SizeFieldIsDigitsUpToTheZeroByte) {
    EXPECT_EQ(parseEntrySize(QByteArrayView("1234\0xx", 7)), 1234);
    EXPECT_EQ(parseEntrySize("0"), 0);
    EXPECT_EQ(parseEntrySize("99999999999"), 99999999999LL);      // 11 digits, no zero byte
    EXPECT_EQ(parseEntrySize("123456789012345"), 12345678901LL);  // at most 11 characters
    EXPECT_EQ(parseEntrySize(QByteArrayView("\0", 1)), std::nullopt);
    EXPECT_EQ(parseEntrySize("-5"), std::nullopt);
    EXPECT_EQ(parseEntrySize(" 5"), std::nullopt);
    EXPECT_EQ(parseEntrySize("12a"), std::nullopt);
}

TEST(EntryReader, EncodedEntryLayout) {
    const QByteArray entry = encodeEntry("x.bmp", QByteArray(1234, 'z'));
    ASSERT_EQ(entry.size(), 261 + 1234);
    EXPECT_EQ(entry.left(6), QByteArray("x.bmp\0", 6));
    EXPECT_EQ(entry.mid(250, 5), QByteArray("1234\0", 5));
    EXPECT_EQ(entry.mid(261), QByteArray(1234, 'z'));
}

TEST(EntryReader, FindsByExactNameAndReadsTheContent) {
    QByteArray data = mediaData();
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    EntryReader reader(&buffer);
    ASSERT_TRUE(reader.findEntry("\\images\\b.bmp"));
    EXPECT_EQ(buffer.pos(), 261 + 4 + 250);  // on the size field
    EXPECT_EQ(reader.readContent(), QByteArray("BBBBBBBB"));
    EXPECT_FALSE(reader.findEntry("\\IMAGES\\b.bmp"));  // case counts
}

TEST(EntryReader, AnEarlierEntryIsFoundAfterOneRewindAndAMissingOneEndsAfterOne) {
    QByteArray data = mediaData();
    CountingBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    EntryReader reader(&buffer);
    ASSERT_TRUE(reader.findEntry("\\images\\c.gif"));
    EXPECT_EQ(reader.readContent(), QByteArray("C"));
    ASSERT_TRUE(reader.findEntry("\\images\\a.jpg"));
    EXPECT_EQ(buffer.rewinds, 1);
    EXPECT_EQ(reader.readContent(), QByteArray("AAAA"));

    buffer.rewinds = 0;
    EXPECT_FALSE(reader.findEntry("\\images\\missing.jpg"));
    EXPECT_EQ(buffer.rewinds, 1);
}

TEST(EntryReader, BadSizeFieldsEndTheSequence) {
    const QByteArray first = encodeEntry("first", "1");
    const QByteArray last = encodeEntry("last", "2");
    for (const QByteArray& size : {QByteArray("999999"), QByteArray("12x"), QByteArray("-1"),
                                   QByteArray(""), QByteArray("99999999999")}) {
        QByteArray broken = encodeEntry("broken", "3");
        broken.replace(250, 11, QByteArray(11, '\0'));
        broken.replace(250, size.size(), size);
        QByteArray data = first + broken + last;
        CountingBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        EntryReader reader(&buffer);
        EXPECT_FALSE(reader.findEntry("last")) << size.constData();
        EXPECT_EQ(buffer.rewinds, 1);
        EXPECT_FALSE(reader.findEntry("broken"));
        ASSERT_TRUE(reader.findEntry("first"));
        EXPECT_EQ(reader.readContent(), QByteArray("1"));
    }
}

TEST(EntryReader, CutHeadersAndContentsEndTheSequence) {
    const QByteArray whole = encodeEntry("a", "AAAA") + encodeEntry("b", "BBBB");
    for (qsizetype cut : {qsizetype(265), qsizetype(265 + 100), whole.size() - 1}) {
        QByteArray data = whole.left(cut);
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        EntryReader reader(&buffer);
        EXPECT_FALSE(reader.findEntry("b")) << cut;
        ASSERT_TRUE(reader.findEntry("a"));
        EXPECT_EQ(reader.readContent(), QByteArray("AAAA"));
    }
    QByteArray empty;
    QBuffer buffer(&empty);
    buffer.open(QIODevice::ReadOnly);
    EntryReader reader(&buffer);
    EXPECT_FALSE(reader.findEntry("a"));
    EXPECT_EQ(reader.readContent(), std::nullopt);
}

TEST(EntryReader, WalksFromAStartOffsetWithAnyTest) {
    QByteArray data = QByteArray(100, 'E') + mediaData();
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    EntryReader reader(&buffer, 100);
    reader.rewind();
    QStringList names;
    while (const auto header = reader.next())
        names.append(header->name);
    EXPECT_EQ(names, QStringList({"\\images\\a.jpg", "\\images\\b.bmp", "\\images\\c.gif"}));
    reader.rewind();
    EXPECT_TRUE(reader.findEntryMatching(
        [](const QString& n) { return n.endsWith(".BMP", Qt::CaseInsensitive); }));
    EXPECT_EQ(reader.readContent(), QByteArray("BBBBBBBB"));
}

TEST(EntryReader, ExtractionNamesAreBareFileNames) {
    EXPECT_EQ(entryExtractionName("\\images\\photo.jpg"), "photo.jpg");
    EXPECT_EQ(entryExtractionName("C:\\x\\..\\..\\evil.exe"), "evil.exe");
    EXPECT_EQ(entryExtractionName(QStringLiteral("a") + QChar(0) + "b"), "");
    EXPECT_EQ(entryExtractionName("../../etc/passwd"), "passwd");
    EXPECT_EQ(entryExtractionName("D:autoexec.bat"), "");
    EXPECT_EQ(entryExtractionName("rlang.asc"), "rlang.asc");
    EXPECT_EQ(entryExtractionName("a\\.."), "");
    EXPECT_EQ(entryExtractionName("a\\"), "");
    EXPECT_EQ(entryExtractionName(""), "");
}

TEST(EntryReader, ExtractionStaysInTheTargetAndLeavesNothingWhenItFails) {
    QTemporaryDir tmp;
    const QString target = tmp.filePath("target");
    QDir().mkpath(target);
    QDir().mkpath(tmp.filePath("outside"));
    QFile victim(tmp.filePath("outside/victim"));
    ASSERT_TRUE(victim.open(QIODevice::WriteOnly));
    victim.write("precious");
    victim.close();
    ASSERT_TRUE(QFile::link(victim.fileName(), target + "/victim"));

    QByteArray data = encodeEntry("..\\..\\outside\\victim", "replaced") +
                      encodeEntry("C:evil", "x") + encodeEntry("last", "12345");
    data.chop(2);  // the last entry's content comes up short
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    EntryReader reader(&buffer);
    ASSERT_TRUE(reader.findEntry("..\\..\\outside\\victim"));
    const auto written = reader.extractTo(target, "..\\..\\outside\\victim");
    ASSERT_TRUE(written);
    EXPECT_EQ(QFileInfo(*written).fileName(), "victim");
    EXPECT_FALSE(QFileInfo(*written).isSymLink()) << "the link itself is replaced";
    ASSERT_TRUE(victim.open(QIODevice::ReadOnly));
    EXPECT_EQ(victim.readAll(), "precious");

    ASSERT_TRUE(reader.findEntry("C:evil"));
    EXPECT_FALSE(reader.extractTo(target, "C:evil")) << "a name with a colon is refused";
    // The short entry is no entry at all: the walk ends before it.
    EXPECT_FALSE(reader.findEntry("last"));
    buffer.seek(data.size() - 3 - kEntrySizeFieldSize);
    EXPECT_FALSE(reader.extractTo(target, "last"));
    EXPECT_EQ(QDir(target).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{"victim"});
}
