#include "common/formats/ProjectSettings.h"

#include "common/formats/ColorText.h"

namespace ztv {
namespace {

std::optional<int> wholeNumberIn(const QString& text, int low, int high) {
    bool ok = false;
    const qlonglong v = text.toLongLong(&ok);
    if (!ok || v < low || v > high) {
        return std::nullopt;
    }
    return int(v);
}

}  // namespace

QString ProjectSettings::oldVersionMessage() {
    return QStringLiteral(
        "This project was created with a former version of the software. Cette application a "
        "été réalisée avec une ancienne version du logiciel.");
}

int ProjectSettings::width() const {
    const auto w = wholeNumberIn(line(Width), 1, kMaxSide);
    const auto h = wholeNumberIn(line(Height), 1, kMaxSide);
    return w && h ? *w : kDefaultWidth;
}

int ProjectSettings::height() const {
    const auto w = wholeNumberIn(line(Width), 1, kMaxSide);
    const auto h = wholeNumberIn(line(Height), 1, kMaxSide);
    return w && h ? *h : kDefaultHeight;
}

int ProjectSettings::firstPage() const {
    return wholeNumberIn(line(FirstPage), 1, std::numeric_limits<int>::max()).value_or(1);
}

std::uint32_t ProjectSettings::maskColour() const {
    return colorFromText(line(MaskColour)).value_or(0);
}

}  // namespace ztv
