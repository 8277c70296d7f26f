#include "common/formats/RtfControlWords.h"

#include <string_view>
#include <unordered_map>

namespace ztv::rtf {
namespace {

// Special characters written as control words.
const std::unordered_map<std::string_view, char16_t>& symbols() {
    static const std::unordered_map<std::string_view, char16_t> table = {
        {"emdash", 0x2014},  {"endash", 0x2013},    {"bullet", 0x2022},    {"lquote", 0x2018},
        {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003},
        {"enspace", 0x2002}, {"qmspace", 0x2005},   {"cell", u'\t'},
    };
    return table;
}

std::string_view view(QByteArrayView bytes) {
    return std::string_view(bytes.data(), std::size_t(bytes.size()));
}

}  // namespace

ControlWord controlWordOf(QByteArrayView letters) {
    static const std::unordered_map<std::string_view, ControlWord> table = [] {
        std::unordered_map<std::string_view, ControlWord> words = {
            {"fonttbl", ControlWord::FontTable},
            {"colortbl", ControlWord::ColorTable},
            {"f", ControlWord::Font},
            {"fcharset", ControlWord::Charset},
            {"cpg", ControlWord::CodePage},
            {"red", ControlWord::Red},
            {"green", ControlWord::Green},
            {"blue", ControlWord::Blue},
            {"deff", ControlWord::DefaultFont},
            {"ansicpg", ControlWord::AnsiCodePage},
            {"mac", ControlWord::Mac},
            {"pc", ControlWord::Pc},
            {"pca", ControlWord::Pca},
            {"plain", ControlWord::Plain},
            {"fs", ControlWord::Size},
            {"b", ControlWord::Bold},
            {"i", ControlWord::Italic},
            {"ulnone", ControlWord::UnderlineNone},
            {"strike", ControlWord::Strike},
            {"sub", ControlWord::Sub},
            {"super", ControlWord::Super},
            {"nosupersub", ControlWord::NoSuperSub},
            {"cf", ControlWord::Foreground},
            {"cb", ControlWord::Background},
            {"highlight", ControlWord::Background},
            {"uc", ControlWord::UnicodeFallback},
            {"u", ControlWord::Unicode},
            {"par", ControlWord::Par},
            {"sect", ControlWord::Par},
            {"page", ControlWord::Par},
            {"row", ControlWord::Par},
            {"line", ControlWord::Line},
            {"tab", ControlWord::Tab},
            {"pard", ControlWord::Pard},
            {"ql", ControlWord::Left},
            {"qc", ControlWord::Center},
            {"qr", ControlWord::Right},
            {"qj", ControlWord::Justify},
        };
        // Every underline style shows as an underline.
        for (std::string_view ul : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                                    "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd",
                                    "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"})
            words.emplace(ul, ControlWord::Underline);
        for (std::string_view skipped : {"stylesheet", "info",       "pict",
                                         "header",     "headerl",    "headerr",
                                         "headerf",    "footer",     "footerl",
                                         "footerr",    "footerf",    "footnote",
                                         "fldinst",    "object",     "objdata",
                                         "xe",         "tc",         "txe",
                                         "rxe",        "listtable",  "listoverridetable",
                                         "revtbl",     "rsidtbl",    "filetbl",
                                         "pn",         "nonshppict", "shp",
                                         "annotation", "atnid",      "atnauthor"})
            words.emplace(skipped, ControlWord::Skipped);
        for (const auto& [name, c] : symbols())
            words.emplace(name, ControlWord::Symbol);
        return words;
    }();
    const auto found = table.find(view(letters));
    return found == table.end() ? ControlWord::Unknown : found->second;
}

char16_t symbolOf(QByteArrayView letters) {
    const auto found = symbols().find(view(letters));
    return found == symbols().end() ? 0 : found->second;
}

}  // namespace ztv::rtf
