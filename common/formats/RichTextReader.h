#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QTextDocument;

// Our RTF reader for the long texts (".RTF" files): fonts, sizes, bold, italic, underline,
// colours, paragraphs and their alignment, text in the file's code pages and \uN characters.
// What it does not show (pictures, fields' instructions, headers, style sheets...) is skipped.
namespace ztv {

struct RichTextOptions {
    // The code page of the file's bytes when it names none (\ansicpgN); a font's charset still
    // overrides it.
    int defaultCodePage = 1252;
};

// The bytes start like an RTF file ("{\rtf", after blanks).
bool isRichText(QByteArrayView bytes);

// Replaces the content of `into` with the RTF document in `bytes`. A file that is not RTF is
// refused (false, with the reason in `error`); a damaged or truncated one gives what it holds.
// The document's default font stays the caller's.
bool readRichText(const QByteArray& bytes, QTextDocument& into, QString* error = nullptr,
                  const RichTextOptions& options = {});

}  // namespace ztv
