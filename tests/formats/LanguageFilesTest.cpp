#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <map>
#include <set>
#include <string>

#include "common/formats/LangLines.h"

// The shipped language files are read byte by byte here, as a program meets them: positions
// decide every look-up, so a missing, doubled or misnumbered line silently shifts all the rest.

namespace {

using ztv::lang::kNamedLines;
using ztv::lang::kStoredFamilies;

struct LanguageFileBytes {
    QByteArray raw;
    QList<QByteArray> lines;  // without their CR LF
};

LanguageFileBytes readLanguageFile(const char* name) {
    LanguageFileBytes file;
    QFile f(QString(ZTV_SOURCE_DIR) + "/assets/lang/" + name);
    if (!f.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot open " << name;
        return file;
    }
    file.raw = f.readAll();
    file.lines = file.raw.split('\n');
    if (!file.lines.isEmpty() && file.lines.last().isEmpty()) {
        file.lines.removeLast();
    }
    for (QByteArray& line : file.lines) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
    }
    return file;
}

// The look-up: everything after the first comma, empty without one.
QByteArray textOf(const QByteArray& line) {
    const qsizetype comma = line.indexOf(',');
    return comma < 0 ? QByteArray() : line.mid(comma + 1);
}

bool isContinuation(unsigned char c) {
    return c >= 0x80 && c <= 0xBF;
}

class LanguageFileTest : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override { file_ = readLanguageFile(GetParam()); }
    LanguageFileBytes file_;
};

TEST_P(LanguageFileTest, LinesAreNumberedInOrderCrLfEndedAndFitTheLookupBuffer) {
    ASSERT_FALSE(file_.lines.isEmpty());
    EXPECT_TRUE(file_.raw.endsWith("\r\n")) << "the last line needs its CR LF";
    for (qsizetype i = 0; i < file_.raw.size(); ++i) {
        if (file_.raw[i] == '\n') {
            ASSERT_TRUE(i > 0 && file_.raw[i - 1] == '\r') << "lone LF at byte " << i;
        } else if (file_.raw[i] == '\r') {
            ASSERT_TRUE(i + 1 < file_.raw.size() && file_.raw[i + 1] == '\n')
                << "lone CR at byte " << i;
        }
    }
    for (int n = 0; n < file_.lines.size(); ++n) {
        const QByteArray& line = file_.lines[n];
        const QByteArray expected = QByteArray::number(n) + ',';
        ASSERT_TRUE(line.startsWith(expected))
            << "line " << n << " reads \"" << line.left(20).toStdString() << "\"";
        EXPECT_LT(line.size(), 250) << "line " << n << " overflows the look-up buffer";
        for (char c : line) {
            EXPECT_GE(static_cast<unsigned char>(c), 0x20) << "control byte in line " << n;
        }
    }
}

TEST_P(LanguageFileTest, BytesAreWindows1252NotUtf8) {
    const QByteArray& raw = file_.raw;
    EXPECT_FALSE(raw.startsWith("\xEF\xBB\xBF")) << "UTF-8 byte order mark";
    const std::set<unsigned char> undefined = {0x81, 0x8D, 0x8F, 0x90, 0x9D};
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const auto c = static_cast<unsigned char>(raw[i]);
        EXPECT_EQ(undefined.count(c), 0u) << "byte " << int(c) << " has no Windows-1252 character";
        const bool next = i + 1 < raw.size() && isContinuation(raw[i + 1]);
        const bool twoNext = next && i + 2 < raw.size() && isContinuation(raw[i + 2]);
        // "é" written as UTF-8 is C3 A9; no French text puts such pairs side by side.
        const bool utf8 = (c >= 0xC2 && c <= 0xDF && next) || (c >= 0xE0 && c <= 0xEF && twoNext);
        ASSERT_FALSE(utf8) << "UTF-8 sequence at byte " << i << " (line " << raw.left(i).count('\n')
                           << ")";
    }
}

TEST_P(LanguageFileTest, StoredVocabularyIsDistinctAndFitsItsRecordField) {
    for (const auto& family : kStoredFamilies) {
        std::map<QByteArray, int> seen;
        for (const auto& range : family.ranges) {
            for (int n = range.first; n <= range.last; ++n) {
                ASSERT_LT(n, file_.lines.size()) << family.name << " line " << n;
                const QByteArray text = textOf(file_.lines[n]);
                EXPECT_FALSE(text.isEmpty()) << family.name << ": line " << n << " is empty";
                EXPECT_LE(text.size(), family.maxBytes)
                    << family.name << ": line " << n << " does not fit its record field";
                EXPECT_EQ(text, text.trimmed())
                    << family.name << ": line " << n << " has blanks around its text";
                const auto [it, inserted] = seen.emplace(text, n);
                EXPECT_TRUE(inserted) << family.name << ": lines " << it->second << " and " << n
                                      << " both read \"" << text.toStdString() << "\"";
            }
        }
    }
}

TEST_P(LanguageFileTest, EveryNamedLineHasAText) {
    for (const auto& named : kNamedLines) {
        ASSERT_LT(named.line, file_.lines.size()) << named.name << " is beyond the file";
        EXPECT_FALSE(textOf(file_.lines[named.line]).isEmpty())
            << named.name << " names line " << named.line << ", which is empty";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shipped, LanguageFileTest, ::testing::Values("FRENCH.asc", "ENGLISH.asc"),
    [](const auto& info) {
        return std::string(info.param).substr(0, std::string(info.param).find('.'));
    });

// A line filled in one language and empty in the other is a translation that went missing, or a
// number that shifted in one file only.
TEST(LanguageFiles, FrenchAndEnglishHoldTheSameLines) {
    const LanguageFileBytes french = readLanguageFile("FRENCH.asc");
    const LanguageFileBytes english = readLanguageFile("ENGLISH.asc");
    ASSERT_EQ(french.lines.size(), english.lines.size());
    for (int n = 0; n < french.lines.size(); ++n) {
        EXPECT_EQ(textOf(french.lines[n]).isEmpty(), textOf(english.lines[n]).isEmpty())
            << "line " << n << " is filled in one language only";
    }
}

// Two families sharing a line would make one stored text mean two things.
TEST(LanguageFiles, StoredFamiliesAreWellFormedAndDisjoint) {
    std::map<int, const char*> owner;
    for (const auto& family : kStoredFamilies) {
        EXPECT_GT(family.maxBytes, 0) << family.name;
        for (const auto& range : family.ranges) {
            EXPECT_LE(range.first, range.last) << family.name;
            for (int n = range.first; n <= range.last; ++n) {
                const auto [it, inserted] = owner.emplace(n, family.name);
                EXPECT_TRUE(inserted)
                    << "line " << n << " is in " << it->second << " and " << family.name;
            }
        }
    }
}

}  // namespace
