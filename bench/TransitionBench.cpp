// One step of every transition effect at 50 percent on a 1920 x 1440 element, beside a plain
// copy of the same rectangle; effects 40 to 60 once their first step has saved the page. Run a
// Release build: build/bench/transition_bench [repeats]
#include "common/formats/LanguageFile.h"
#include "player/transitions/TransitionEngine.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kStep = 10;  // a usual progression: ten steps to the end

// Median milliseconds of `repeats` runs of `run`, each after `prepare`.
double medianMs(int repeats, const std::function<void()>& prepare,
                const std::function<void()>& run) {
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        prepare();
        const auto start = Clock::now();
        run();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

QImage samplePicture(int w, int h) {
    QImage picture(w, h, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, w, h);
    gradient.setColorAt(0, QColor(30, 90, 160));
    gradient.setColorAt(1, QColor(240, 200, 60));
    painter.fillRect(picture.rect(), gradient);
    return picture;
}

// Effects that only copy or stretch rectangles (the rest work per pixel by nature).
bool copiesRectangles(int effect) {
    return (effect >= 1 && effect <= 4) || (effect >= 6 && effect <= 24) ||
           (effect >= 28 && effect <= 31);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int repeats = argc > 1 ? std::max(1, atoi(argv[1])) : 21;

    ztv::LanguageFile lang;  // names play no part: effects are addressed by number
    ztv::TransitionEngine engine(lang, nullptr);
    engine.seed(1);
    const QImage picture = samplePicture(1920, 1440);
    QImage canvas(1920 + 64, 1440 + 48, QImage::Format_RGB32);
    const QPoint at(32, 24);
    const auto resetCanvas = [&] { canvas.fill(Qt::black); };

    const double plain = medianMs(repeats, resetCanvas, [&] {
        QPainter painter(&canvas);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(at, picture);
    });
    std::printf("1920x1440 element, step %d, median of %d runs\n", kStep, repeats);
    std::printf("plain copy of the rectangle: %.3f ms\n\n", plain);
    std::printf("%-7s %-7s %10s %8s  %s\n", "effect", "option", "ms/step", "x copy", "check");

    bool allWithin = true;
    const auto measure = [&](int effect, int option, int position, const char* note) {
        ztv::TransitionState state;
        const double ms = medianMs(
            repeats,
            [&] {
                resetCanvas();
                state = ztv::TransitionEngine::begin(
                    effect, ztv::TransitionParams{position - kStep, kStep, 100, option});
            },
            [&] { engine.step(state, canvas, picture, at); });
        const bool rectangles = copiesRectangles(effect);
        const bool ok = ms < 8.0 && (!rectangles || ms <= 3 * plain);
        allWithin = allWithin && ok;
        std::printf("%-7d %-7d %10.3f %8.2f  %s%s%s\n", effect, option, ms, ms / plain,
                    ok ? "ok" : "SLOW", rectangles ? " (rectangle copies)" : " (per pixel)", note);
    };
    for (int effect = 1; effect <= 39; ++effect) {
        const bool bands = effect >= 17 && effect <= 20;
        measure(effect, bands ? 2 : 0, 50, "");
        if ((effect >= 2 && effect <= 16 && effect != 5)) {
            measure(effect, 1, 50, " stretched");
        }
    }
    measure(37, 0, 150, " second phase");

    // Over a saved background: a step once the page beneath is saved (the first step saves it).
    std::printf("\nover a saved background: every step under 4 ms, the cross-fade within 2x\n");
    for (int effect = 40; effect <= 60; ++effect) {
        const int option = effect <= 44 ? 1 : effect == 51 ? 3 : 0;
        ztv::TransitionState state;
        const double ms = medianMs(
            repeats,
            [&] {
                resetCanvas();
                state = ztv::TransitionEngine::begin(
                    effect, ztv::TransitionParams{50 - 2 * kStep, kStep, 100, option});
                engine.step(state, canvas, picture, at);
            },
            [&] { engine.step(state, canvas, picture, at); });
        const bool ok = ms < 4.0 && (effect != 60 || ms <= 2 * plain);
        allWithin = allWithin && ok;
        std::printf("%-7d %-7d %10.3f %8.2f  %s\n", effect, option, ms, ms / plain,
                    ok ? "ok" : "SLOW");
    }
    std::printf("\n%s\n",
                allWithin ? "every effect within its target" : "some effects miss their target");
    return 0;
}
