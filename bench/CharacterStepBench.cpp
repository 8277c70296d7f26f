// One step of a 1920x1440 character (one frame laid over the page, opaque or through its white)
// beside a plain copy of the same rectangle. Target: under 2 ms a step. Run a Release build:
// build/bench/character_bench
#include "bench/BenchPage.h"
#include "common/formats/ElementDefaults.h"
#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "player/engine/Engine.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1440;
constexpr int kFrames = 4;

// A strip of four frames: a colour each, with a white disc in the middle.
QString writeStrip(const QTemporaryDir& dir) {
    QImage strip(kWidth * kFrames, kHeight, QImage::Format_RGB32);
    QPainter painter(&strip);
    for (int i = 0; i < kFrames; ++i) {
        const QRect frame(kWidth * i, 0, kWidth, kHeight);
        painter.fillRect(frame, QColor::fromHsv(i * 90, 200, 220));
        painter.setBrush(Qt::white);
        painter.drawEllipse(frame.adjusted(400, 300, -400, -300));
    }
    painter.end();
    const QString path = QDir(dir.path()).filePath(QStringLiteral("perso.bmp"));
    if (!strip.save(path, "BMP")) {
        std::abort();
    }
    return QString(path).replace(u'/', u'\\');
}

void characterStep(benchmark::State& state) {
    ztv::LanguageFile french;
    french.load(QStringLiteral(ZTV_SOURCE_DIR "/assets/lang/FRENCH.asc"));
    QTemporaryDir dir;
    ztv::ElementRecord r =
        ztv::plainElement(french, 24, 1, writeStrip(dir), QRect(0, 0, kWidth, kHeight));
    r.Couleur = kFrames;
    r.Couldegra = 1 << 30;  // loops that outlast the benchmark
    r.Vitesse = 100;
    if (state.range(0) != 0) {
        r.Transparent = french.text(ztv::lang::AppearanceWhiteClear);
    }
    ztv::bench::BenchPage page(QSize(kWidth, kHeight), {r});
    page.engine().loadPage(1, 1);
    page.engine().showColumn();
    ztv::Element* character = page.engine().pagePlay().elements.at(24, 1);
    if (character == nullptr) {
        state.SkipWithError("the character did not show");
        return;
    }
    for (auto _ : state) {
        character->step();
    }
}

void plainCopy(benchmark::State& state) {
    QImage frame(kWidth, kHeight, QImage::Format_RGB32);
    frame.fill(Qt::darkCyan);
    QImage canvas(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&canvas);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, frame);
    }
}

BENCHMARK(characterStep)->ArgName("seeThrough")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(plainCopy)->Unit(benchmark::kMillisecond);

}  // namespace
