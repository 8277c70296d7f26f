#pragma once

#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "player/transitions/TransitionEngine.h"
#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <ostream>

// Failure messages name a picture by its size and format rather than its bytes.
inline void PrintTo(const QImage& image, std::ostream* os) {
    *os << "QImage " << image.width() << "x" << image.height() << " format " << image.format();
}

namespace ztv::test {

inline constexpr QRgb kBackground = 0xFF010203;

// A picture whose every pixel differs from its neighbours and from the background, with no
// pure red (which shape effects leave see-through).
inline QImage makePicture(int w, int h) {
    QImage picture(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            picture.setPixel(x, y, qRgb((x * 7 + y) % 256, (y * 5 + x * 3) % 256, 128));
        }
    }
    return picture;
}

inline QImage makeCanvas(int w, int h) {
    QImage canvas(w, h, QImage::Format_RGB32);
    canvas.fill(kBackground);
    return canvas;
}

// The shipped French vocabulary, a seeded engine and a canvas with one element on it.
class TransitionTest : public ::testing::Test {
  protected:
    TransitionTest() {
        lang.load(ZTV_SOURCE_DIR "/assets/lang/FRENCH.asc");
        engine.seed(1234);
    }

    QString line(int n) const { return lang.text(n); }
    TransitionParams params(int depart, int pas, int fin, int size = 0) const {
        return TransitionParams{depart, pas, fin, size};
    }
    QImage shown() const { return canvas.copy(QRect(at, picture.size())); }
    // Pixels of the element's rectangle that show the picture.
    int revealedCount() const {
        const QImage now = shown();
        int n = 0;
        for (int y = 0; y < now.height(); ++y) {
            for (int x = 0; x < now.width(); ++x) {
                n += now.pixel(x, y) == picture.pixel(x, y) ? 1 : 0;
            }
        }
        return n;
    }
    void stepUntilFinished(TransitionState& state, int limit = 1000) {
        for (int i = 0; i < limit && !state.finished; ++i) {
            engine.step(state, canvas, picture, at);
        }
    }

    LanguageFile lang;
    ScriptedPrompter prompter;
    TransitionEngine engine{lang, &prompter};
    QImage picture = makePicture(60, 40);
    QImage canvas = makeCanvas(100, 80);
    QPoint at{20, 15};
};

}  // namespace ztv::test
