// One step of a panorama (a scroll, a transition step) and of an animation (a move of its
// sprite) at 1920 x 1440 through the player's engine, beside a plain copy of the same rectangle.
// Target: under 2 ms a step. Run a Release build: build/bench/element_bench
#include "bench/BenchPage.h"
#include "common/formats/ElementDefaults.h"
#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "common/formats/YesNo.h"
#include "player/transitions/EffectNames.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

namespace {

constexpr QSize kPage(1920, 1440);

const ztv::LanguageFile& french() {
    static const ztv::LanguageFile language = [] {
        ztv::LanguageFile l;
        l.load(QStringLiteral(ZTV_SOURCE_DIR "/assets/lang/FRENCH.asc"));
        return l;
    }();
    return language;
}

// The name of an effect in the French vocabulary.
QString effectName(int effect) {
    for (const int line : ztv::EffectNames::listLines()) {
        if (ztv::EffectNames::numberOfLine(line) == effect) {
            return french().text(line);
        }
    }
    return {};
}

QImage samplePicture(QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor(30, 90, 160));
    gradient.setColorAt(1, QColor(240, 200, 60));
    painter.fillRect(picture.rect(), gradient);
    return picture;
}

// A picture file for the page, stored by its path from drive C: (the root).
QString storedPicture(const QTemporaryDir& dir, const QString& name, QSize size) {
    const QString path = dir.filePath(name);
    samplePicture(size).save(path, "BMP");
    return QString(path).replace(u'/', u'\\');
}

ztv::ElementRecord panorama(const QString& stored, const QString& effet, int vitesse) {
    ztv::ElementRecord r = ztv::plainElement(french(), 25, 1, stored, QRect(QPoint(0, 0), kPage));
    r.style = QString::number(kPage.width() * 2);
    r.Destin2 = QString::number(kPage.height());
    r.sensdegra = ztv::ouiNon(true);
    r.Couleur = 10;
    r.Couldegra = 10;
    r.Effet = effet;
    r.Vitesse = vitesse;
    return r;
}

// The page shown again (not timed) once the element has done its steps.
void replayWhenDone(benchmark::State& state, ztv::Engine& engine, bool done) {
    if (done) {
        state.PauseTiming();
        engine.reloadPage();
        state.ResumeTiming();
    }
}

void plainCopy(benchmark::State& state) {
    const QImage picture = samplePicture(kPage);
    QImage canvas(kPage, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&canvas);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), picture);
    }
}

// A click on the right half of a 360-degree panorama twice the page's width: the view turns by
// a tenth, drawn in two parts where it wraps.
void panoramaScroll(benchmark::State& state) {
    QTemporaryDir dir;
    ztv::bench::BenchPage page(
        kPage, {panorama(storedPicture(dir, "p.bmp", {kPage.width() * 2, kPage.height()}),
                         french().text(ztv::lang::EffectNone), 100)});
    ztv::Engine& engine = page.engine();
    engine.playPage();
    for (auto _ : state) {
        engine.mouseDown(QPoint(kPage.width() - 10, kPage.height() / 2));
    }
}

// One step of the panorama's entrance: a wipe from the left edge (effect 3), one percent a step.
void panoramaTransitionStep(benchmark::State& state) {
    QTemporaryDir dir;
    ztv::bench::BenchPage page(
        kPage, {panorama(storedPicture(dir, "p.bmp", {kPage.width() * 2, kPage.height()}),
                         effectName(3), 1)});
    ztv::Engine& engine = page.engine();
    engine.playPage();
    for (auto _ : state) {
        page.clock().advance(100);
        engine.stepDueElements();
        replayWhenDone(state, engine, !engine.pagePlay().rows[25].shown);
    }
}

// A sprite as large as the page crossing it in 500 steps: restore, save, draw; argument 1 draws
// it through its white (the transparent mode).
void animationStep(benchmark::State& state) {
    QTemporaryDir dir;
    ztv::ElementRecord r = ztv::plainElement(french(), 26, 1, storedPicture(dir, "a.bmp", kPage),
                                             QRect(QPoint(-kPage.width() / 2, 0), kPage));
    r.Couleur = 1;
    r.sensdegra = QString::number(kPage.width() / 2);
    r.style = QStringLiteral("0");
    r.Couldegra = 500;
    r.Vitesse = 100;
    if (state.range(0) == 1) {
        r.Transparent = french().text(ztv::lang::AppearanceWhiteClear);
    }
    ztv::bench::BenchPage page(kPage, {r});
    ztv::Engine& engine = page.engine();
    engine.playPage();
    for (auto _ : state) {
        page.clock().advance(1);
        engine.stepDueElements();
        replayWhenDone(state, engine, !engine.pagePlay().elements.present(26, 1));
    }
}

}  // namespace

BENCHMARK(plainCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(panoramaScroll)->Unit(benchmark::kMillisecond);
BENCHMARK(panoramaTransitionStep)->Unit(benchmark::kMillisecond);
BENCHMARK(animationStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
