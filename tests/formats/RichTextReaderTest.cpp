#include "common/formats/RichTextReader.h"

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace ztv {
namespace {

QString colorName(const QBrush& brush) {
    return brush.style() == Qt::NoBrush ? QStringLiteral("auto") : brush.color().name();
}

// The text and the shown formats of a document, block by block and run by run (neighbouring
// fragments of the same shown format are one run), in a form that a failure prints legibly.
QString describe(const QTextDocument& document) {
    QString out;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const Qt::Alignment align =
            block.blockFormat().alignment() &
            (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter | Qt::AlignJustify);
        out += QStringLiteral("\n[align %1]").arg(int(align));
        QString lastFormat;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QFont font = format.font().resolve(document.defaultFont());
            const QString shown = QStringLiteral("{%1 %2pt%3%4%5 %6/%7}")
                                      .arg(font.family())
                                      .arg(font.pointSizeF())
                                      .arg(font.bold() ? " bold" : "")
                                      .arg(font.italic() ? " italic" : "")
                                      .arg(font.underline() ? " underline" : "")
                                      .arg(colorName(format.foreground()))
                                      .arg(colorName(format.background()));
            if (shown != lastFormat)
                out += shown;
            lastFormat = shown;
            out += it.fragment().text();
        }
    }
    return out;
}

void useTestFont(QTextDocument& document) {
    document.setDefaultFont(QFont(QStringLiteral("Liberation Serif"), 12));
}

QString fromRtf(const QByteArray& rtf, int defaultCodePage = 1252) {
    QTextDocument document;
    useTestFont(document);
    QString error;
    EXPECT_TRUE(readRichText(rtf, document, &error, RichTextOptions{defaultCodePage}))
        << rtf.data();
    EXPECT_TRUE(error.isEmpty());
    return describe(document);
}

QString fromHtml(const QString& html) {
    QTextDocument document;
    useTestFont(document);
    document.setHtml(html);
    return describe(document);
}

struct SameAsHtml {
    const char* name;
    QByteArray rtf;
    QString html;
    int defaultCodePage = 1252;
};

TEST(RichTextReader, ReadsAsTheSameTextAndFormatsAsTheEquivalentHtml) {
    const QList<SameAsHtml> cases = {
        {"plain", R"({\rtf1\ansi Hello world})", "Hello world"},
        {"fonts",
         R"({\rtf1\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\froman{\*\panose 0} Times New Roman;}})"
         R"(A\f1 B\plain C})",
         "<span style=\"font-family:Arial\">A</span><span style=\"font-family:'Times New "
         "Roman'\">B</span><span style=\"font-family:Arial\">C</span>"},
        {"sizes", R"({\rtf1 a\fs20 b{\fs36 c}d\fs0 e})",
         "a<span style=\"font-size:10pt\">b</span><span style=\"font-size:18pt\">c</span><span "
         "style=\"font-size:10pt\">d</span>e"},
        {"styles", R"({\rtf1 a{\b b{\i c}}\ul d\ul0 e\uldb f\ulnone g\i h\i0 i})",
         "a<b>b<i>c</i></b><u>d</u>e<u>f</u>g<i>h</i>i"},
        {"nested groups and plain", R"({\rtf1\b a{\i b{\ul c}d}e\plain f})",
         "<b>a<i>b<u>c</u>d</i>e</b>f"},
        {"colours",
         R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green0\blue255;})"
         R"(a\cf1 b\cf2\highlight1 c\cf0\cb0 d{\cf9 e}})",
         "a<span style=\"color:#ff0000\">b</span><span "
         "style=\"color:#0000ff;background-color:#ff0000\">c</span>de"},
        {"paragraphs and alignment",
         R"({\rtf1\qc Centre\par\pard Left\par\qr Right\par\qj Just\line ified\tab x\par\ql end})",
         "<p align=center>Centre</p><p>Left</p><p align=right>Right</p><p align=justify "
         "style=\"white-space:pre-wrap\">Just<br>ified\tx</p><p>end</p>"},
        {"unicode and its fallback",
         R"({\rtf1 caf\u233?\uc2\u8364\'80\'80 x\u-10179??\u-8704?? y{\uc0\u269}\u269 ??z})",
         QStringLiteral("café€ x\U0001F600 yččz")},
        {"cp1252 escapes", R"({\rtf1\ansi\ansicpg1252 caf\'e9 \'80\'96\'93})", "café €–“"},
        {"document code page", R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2})", "Привет"},
        {"caller's code page", R"({\rtf1\ansi \'cf\'f0})", "Пр", 1251},
        {"double-byte code page", R"({\rtf1\ansi\ansicpg932 \'82\'a0\'82\'a2})", "あい"},
        {"font charset",
         R"({\rtf1\ansicpg1252{\fonttbl{\f0 Arial;}{\f1\fcharset161 Greek;}{\f2\cpg1251 Cyr;}})"
         R"(caf\'e9 \f1 \'e1\'e2\f2 \'cf})",
         "<span style=\"font-family:Arial\">café </span><span "
         "style=\"font-family:Greek\">αβ</span><span style=\"font-family:Cyr\">П</span>"},
        {"skipped destinations",
         R"({\rtf1{\*\generator Msftedit;}{\info{\title T}}{\stylesheet{\s0 Normal;}}a)"
         R"({\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}{\pict\wmetafile8 0a0b}{\header H})"
         R"(b\bin3 {}}c{\*\unknown {d}}e})",
         "alinkbce"},
        {"escapes and special characters", R"({\rtf1 a\\b\{c\}d\~e\-f\_g\emdash h})",
         QStringLiteral("a\\b{c}d\u00A0e\u00ADf\u2011g\u2014h")},
    };
    for (const SameAsHtml& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fromRtf(c.rtf, c.defaultCodePage).toStdString(), fromHtml(c.html).toStdString());
    }
}

QString plainText(const QByteArray& rtf) {
    QTextDocument document;
    EXPECT_TRUE(readRichText(rtf, document)) << rtf.left(60).data();
    return document.toPlainText();
}

TEST(RichTextReader, DamagedFilesGiveWhatTheyHold) {
    const QByteArray deep = QByteArray(200000, '{') + "x" + QByteArray(200000, '}') + "y";
    const char controls[] = "  {\\rtf1 a\0b\r\nc}";
    const QList<std::pair<QByteArray, QString>> cases = {
        {R"({\rtf1 a{\b b)", "ab"},
        {R"({\rtf1 a}}}b)", "a"},
        {R"({\rtf1 )" + deep + "}", "xy"},
        {R"({\rtf1\b )" + QByteArray(300, '{') + R"(\b0 a)" + QByteArray(300, '}') + "b}", "ab"},
        {R"({\rtf1\fs99999999999999 a\cf-99999999999 b\u99999999999?c\uc-5\u66 d\f2147483648 e})",
         "abcBde"},
        {R"({\rtf1 a\'4)", "a"},
        {R"({\rtf1 a\')", "a"},
        {R"({\rtf1 a\'zz b)", "azz b"},
        {R"({\rtf1 a\u233)", "aé"},
        {R"({\rtf1 a\u)", "a"},
        {R"({\rtf1 a\)", "a"},
        {R"({\rtf1 a\)" + QByteArray(100, 'x') + " b}", "ab"},
        {R"({\rtf1 a\bin999999999 bcd})", "a"},
        {R"({\rtf1{\fonttbl{\f0 )" + QByteArray(100000, 'F') + R"(}}a})", "a"},
        {QByteArray(controls, sizeof controls - 1), "abc"},
    };
    for (const auto& [rtf, text] : cases) {
        SCOPED_TRACE(rtf.left(60).toStdString());
        EXPECT_EQ(plainText(rtf), text);
    }
}

TEST(RichTextReader, RefusesWhatIsNotRtf) {
    for (const QByteArray& bytes :
         {QByteArray(), QByteArray("Hello"), QByteArray("{\\rt"), QByteArray("<html>{\\rtf1 a}")}) {
        QTextDocument document;
        document.setPlainText(QStringLiteral("kept"));
        QString error;
        EXPECT_FALSE(readRichText(bytes, document, &error)) << bytes.data();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(document.toPlainText(), QStringLiteral("kept"));
    }
}

}  // namespace
}  // namespace ztv
