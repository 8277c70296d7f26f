#pragma once

#include <QByteArrayView>

namespace ztv::rtf {

// The control words the reader acts on, by what they do.
enum class ControlWord {
    Unknown,
    // Tables and the document's code page.
    FontTable,
    ColorTable,
    Font,
    Charset,
    CodePage,
    Red,
    Green,
    Blue,
    DefaultFont,
    AnsiCodePage,
    Mac,
    Pc,
    Pca,
    // Destinations whose text is not shown.
    Skipped,
    // Character properties.
    Plain,
    Size,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Sub,
    Super,
    NoSuperSub,
    Foreground,
    Background,
    UnicodeFallback,
    Unicode,
    // Paragraphs and special characters.
    Par,
    Line,
    Tab,
    Pard,
    Left,
    Center,
    Right,
    Justify,
    Symbol,
};

// Unknown for a word the reader does not act on.
ControlWord controlWordOf(QByteArrayView letters);
// The character a ControlWord::Symbol word stands for; 0 for any other word.
char16_t symbolOf(QByteArrayView letters);

}  // namespace ztv::rtf
