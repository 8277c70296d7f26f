#include "common/formats/RtfTextDecoder.h"

#include "common/platform/Cp1252.h"

#include <array>
#include <utility>

namespace ztv::rtf {
namespace {

constexpr int kWestern = 1252;
constexpr std::size_t kMaxDecoders = 32;

// Windows' character sets and their code pages.
constexpr std::array<std::pair<int, int>, 18> kCharsets = {{{0, 1252},
                                                            {77, 10000},
                                                            {128, 932},
                                                            {129, 949},
                                                            {130, 1361},
                                                            {134, 936},
                                                            {136, 950},
                                                            {161, 1253},
                                                            {162, 1254},
                                                            {163, 1258},
                                                            {177, 1255},
                                                            {178, 1256},
                                                            {186, 1257},
                                                            {204, 1251},
                                                            {222, 874},
                                                            {238, 1250},
                                                            {254, 437},
                                                            {255, 850}}};

// ICU's names for the code pages that are not plainly "windows-N" or "cpN".
const char* icuName(int codePage) {
    switch (codePage) {
        case 932:
            return "Shift_JIS";
        case 936:
            return "GBK";
        case 950:
            return "Big5";
        case 10000:
            return "macintosh";
        default:
            return nullptr;
    }
}

}  // namespace

QString RtfTextDecoder::decode(QByteArrayView bytes, int codePage) {
    if (codePage != kWestern) {
        if (QStringDecoder* decoder = decoderFor(codePage))
            return decoder->decode(bytes);
    }
    return fromCp1252(bytes);
}

int RtfTextDecoder::codePageOfCharset(int charset) {
    for (const auto& [set, codePage] : kCharsets)
        if (set == charset)
            return codePage;
    return 0;
}

QStringDecoder* RtfTextDecoder::decoderFor(int codePage) {
    auto found = decoders_.find(codePage);
    if (found == decoders_.end()) {
        // Hostile files name many code pages; a few are remembered, valid or not.
        if (decoders_.size() >= kMaxDecoders)
            return nullptr;
        const QStringConverter::Flags flags = QStringConverter::Flag::Stateless;
        QStringDecoder decoder;
        const QByteArray number = QByteArray::number(codePage);
        for (const QByteArray& name :
             {QByteArray(icuName(codePage)), "windows-" + number, "cp" + number}) {
            if (name.isEmpty())
                continue;
            decoder = QStringDecoder(name.constData(), flags);
            if (decoder.isValid())
                break;
        }
        found = decoders_.emplace(codePage, std::move(decoder)).first;
    }
    return found->second.isValid() ? &found->second : nullptr;
}

}  // namespace ztv::rtf
