#include "player/elements/Appearance.h"

#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "player/elements/EffectReversal.h"
#include "player/transitions/TransitionEngine.h"

#include <QRgb>

namespace ztv {
namespace {

struct Tint {
    QRgb colour;
    int quarters;  // how much of the colour: 2 of 4, or 1 of 4
};

// The tint modes, from AppearanceFirstTint on, in order.
constexpr Tint kTints[] = {
    {qRgb(255, 0, 0), 2},     {qRgb(0, 255, 0), 2},   {qRgb(0, 128, 0), 2},
    {qRgb(0, 255, 255), 2},   {qRgb(0, 0, 255), 2},   {qRgb(128, 0, 0), 2},
    {qRgb(255, 255, 0), 2},   {qRgb(128, 0, 128), 2}, {qRgb(255, 255, 255), 2},
    {qRgb(255, 255, 255), 1}, {qRgb(0, 0, 0), 2},     {qRgb(0, 0, 0), 1},
};

int blend(int picture, int colour, int quarters) {
    return (picture * (4 - quarters) + colour * quarters) / 4;
}

template <class F>
void forEachPixel(QImage& picture, F&& f) {
    if (picture.depth() != 32) {
        picture.convertTo(QImage::Format_RGB32);
    }
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            row[x] = f(row[x]);
        }
    }
}

}  // namespace

int appearanceMode(const QString& transparent, const LanguageFile& language) {
    for (int line = lang::AppearanceOpaque; line <= lang::AppearanceInvert; ++line) {
        const QString text = language.text(line);
        if (!text.isEmpty() && transparent == text) {
            return line;
        }
    }
    return 0;
}

void applyTint(QImage& picture, int mode) {
    if (mode == lang::AppearanceInvert) {
        forEachPixel(picture, [](QRgb p) { return p ^ 0x00FFFFFF; });
        return;
    }
    const int index = mode - lang::AppearanceFirstTint;
    if (index < 0 || index >= int(std::size(kTints))) {
        return;
    }
    const Tint tint = kTints[index];
    forEachPixel(picture, [tint](QRgb p) {
        return qRgba(blend(qRed(p), qRed(tint.colour), tint.quarters),
                     blend(qGreen(p), qGreen(tint.colour), tint.quarters),
                     blend(qBlue(p), qBlue(tint.colour), tint.quarters), qAlpha(p));
    });
}

QString appearanceEffect(TransitionEngine& transitions, EffectReversal* reversal,
                         const QString& effet) {
    if (reversal == nullptr || !reversal->nextEffectReversed()) {
        return effet;
    }
    bool reversed = true;
    QString name = effet;
    transitions.applyInverse(name, reversed);
    if (!reversed) {
        reversal->clearEffectReversal();
    }
    return name;
}

}  // namespace ztv
