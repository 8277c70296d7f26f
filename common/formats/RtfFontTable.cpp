#include "common/formats/RtfFontTable.h"

#include "common/formats/RtfTextDecoder.h"

namespace ztv::rtf {

void RtfFontTable::begin(int number) {
    number_ = number;
    codePage_ = 0;
    name_.clear();
}

void RtfFontTable::setCodePage(int codePage) {
    if (codePage > 0)
        codePage_ = codePage;
}

void RtfFontTable::appendName(QByteArrayView bytes) {
    if (number_ >= 0)
        name_.append(bytes.first(std::min<qsizetype>(bytes.size(), kMaxNameBytes - name_.size())));
}

void RtfFontTable::commit(RtfTextDecoder& decoder, int documentCodePage) {
    if (number_ < 0 || (fonts_.size() >= kMaxFonts && !fonts_.contains(number_)))
        return;
    const QString family =
        decoder.decode(name_, codePage_ ? codePage_ : documentCodePage).trimmed();
    fonts_.insert(number_, Font{family, codePage_});
    number_ = -1;
    name_.clear();
}

const RtfFontTable::Font* RtfFontTable::find(int number) const {
    const auto found = fonts_.constFind(number);
    return found == fonts_.constEnd() ? nullptr : &found.value();
}

}  // namespace ztv::rtf
