// Long texts made into documents: the kind each extension names, the text each kind gives, what
// is refused, and where a page may take its pictures from.
#include "common/formats/LongTextDocument.h"
#include "common/platform/FileIo.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

namespace ztv::test {
namespace {

using Kind = LongTextDocument::Kind;

class LongTextDocumentTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString file(const QString& name, const QByteArray& bytes) const {
        const QString path = dir_.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        EXPECT_TRUE(writeFileAtomically(path, bytes));
        return path;
    }
    static LongTextLook look() {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(21);
        return {font, QColor(Qt::red), QColor(Qt::yellow)};
    }

    QTemporaryDir dir_;
};

TEST_F(LongTextDocumentTest, TheExtensionNamesTheKindInAnyCase) {
    const struct {
        const char* path;
        Kind kind;
    } cases[] = {
        {"\\textes\\a.txt", Kind::Plain},
        {"/home/ann/B.TxT", Kind::Plain},
        {"c.RTF", Kind::Rich},
        {"\\d.rtf", Kind::Rich},
        {"e.htm", Kind::Html},
        {"F.HTML", Kind::Html},
        {"g.doc", Kind::Unsupported},
        {"notes", Kind::Unsupported},
        {"a.txt.bak", Kind::Unsupported},
        {"\\dossier.txt\\lisez", Kind::Unsupported},
        {"", Kind::Unsupported},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LongTextDocument::kindOf(QString::fromUtf8(c.path)), c.kind) << c.path;
    }
}

TEST_F(LongTextDocumentTest, EachKindGivesItsText) {
    const struct {
        const char* name;
        QByteArray bytes;
        const char* text;
    } cases[] = {
        {"windows.txt", "Caf\xe9\r\nfin", "Café\nfin"},
        {"utf8.TXT", "Caf\xc3\xa9", "Café"},
        {"marked.txt",
         "\xef\xbb\xbf"
         "Caf\xc3\xa9",
         "Café"},
        {"rich.rtf", R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}\f0\fs24 Bonjour \b le\b0  monde\par})",
         "Bonjour le monde"},
        {"page.HTML", "<html><body><p>Salut <b>toi</b></p></body></html>", "Salut toi"},
        {"windows.htm", "<p>\xe9t\xe9</p>", "été"},
    };
    for (const auto& c : cases) {
        LongTextDocument document;
        QString error;
        EXPECT_TRUE(document.load(file(QString::fromUtf8(c.name), c.bytes), look(), &error))
            << c.name << ": " << error.toStdString();
        EXPECT_EQ(document.toPlainText().trimmed(), QString::fromUtf8(c.text)) << c.name;
    }
}

TEST_F(LongTextDocumentTest, APlainTextTakesTheRecordsFontAndColour) {
    LongTextDocument document;
    ASSERT_TRUE(document.load(file(QStringLiteral("a.txt"), "un\ndeux"), look()));
    EXPECT_EQ(document.defaultFont().pixelSize(), 21);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        EXPECT_EQ(block.begin().fragment().charFormat().foreground().color(), QColor(Qt::red));
    }
}

TEST_F(LongTextDocumentTest, WhatCannotBeReadIsRefusedWithAReasonAndLeavesNothing) {
    QDir().mkpath(dir_.filePath(QStringLiteral("folder.txt")));
    const QString cases[] = {
        file(QStringLiteral("words.rtf"), "only words, no rich text"),
        file(QStringLiteral("letter.doc"), "{\\rtf1 fine but not a long text}"),
        dir_.filePath(QStringLiteral("missing.txt")),
        dir_.filePath(QStringLiteral("folder.txt")),
    };
    for (const QString& path : cases) {
        LongTextDocument document;
        document.setPlainText(QStringLiteral("before"));
        QString error;
        EXPECT_FALSE(document.load(path, look(), &error)) << path.toStdString();
        EXPECT_FALSE(error.isEmpty()) << path.toStdString();
        EXPECT_TRUE(document.isEmpty()) << path.toStdString();
    }
}

// A page takes pictures from beneath the project's folder only: not from above it, not through
// a link that leads out of it, never from the network.
TEST_F(LongTextDocumentTest, APageTakesPicturesOnlyFromBeneathTheProjectsFolder) {
    const QByteArray picture = "picture bytes";
    file(QStringLiteral("projet/images/inside.png"), picture);
    const QString outside = file(QStringLiteral("outside.png"), picture);
    ASSERT_TRUE(QFile::link(outside, dir_.filePath(QStringLiteral("projet/images/link.png"))));
    const QString page = file(QStringLiteral("projet/page.htm"), "<p>texte</p>");
    LongTextDocument document(dir_.filePath(QStringLiteral("projet")));
    ASSERT_TRUE(document.load(page, look()));
    const struct {
        QUrl url;
        bool given;
    } cases[] = {
        {QUrl(QStringLiteral("images/inside.png")), true},
        {QUrl::fromLocalFile(dir_.filePath(QStringLiteral("projet/images/inside.png"))), true},
        {QUrl(QStringLiteral("../outside.png")), false},
        {QUrl::fromLocalFile(outside), false},
        {QUrl(QStringLiteral("images/link.png")), false},
        {QUrl(QStringLiteral("http://example.com/inside.png")), false},
    };
    for (const auto& c : cases) {
        const QVariant resource = document.resource(QTextDocument::ImageResource, c.url);
        EXPECT_EQ(resource.toByteArray() == picture, c.given) << c.url.toString().toStdString();
    }
    // Without a project folder, a page takes nothing.
    LongTextDocument alone;
    ASSERT_TRUE(alone.load(page, look()));
    EXPECT_FALSE(
        alone.resource(QTextDocument::ImageResource, QUrl(QStringLiteral("images/inside.png")))
            .isValid());
}

}  // namespace
}  // namespace ztv::test
