#include "common/formats/RtfColorTable.h"

#include <algorithm>

namespace ztv::rtf {
namespace {

int component(int value) {
    return std::clamp(value, 0, 255);
}

}  // namespace

void RtfColorTable::setRed(int value) {
    red_ = component(value);
    given_ = true;
}

void RtfColorTable::setGreen(int value) {
    green_ = component(value);
    given_ = true;
}

void RtfColorTable::setBlue(int value) {
    blue_ = component(value);
    given_ = true;
}

void RtfColorTable::commit() {
    if (colors_.size() < kMaxColors)
        colors_.append(given_ ? QColor(red_, green_, blue_) : QColor());
    red_ = green_ = blue_ = 0;
    given_ = false;
}

QColor RtfColorTable::at(int index) const {
    return index >= 0 && index < colors_.size() ? colors_[index] : QColor();
}

}  // namespace ztv::rtf
