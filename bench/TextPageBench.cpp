// A page of twenty texts (the most a column holds) loaded through the player's page load, which
// renders every text, and its hover look where it has one, at load. Target: under 20 ms for the
// page. Run a Release build: build/bench/text_page_bench
#include "bench/BenchPage.h"
#include "common/formats/ElementDefaults.h"
#include "common/formats/LanguageFile.h"
#include "common/platform/Fonts.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

namespace {

QList<ztv::ElementRecord> textRecords() {
    ztv::LanguageFile french;
    french.load(QStringLiteral(ZTV_SOURCE_DIR "/assets/lang/FRENCH.asc"));
    const char* fonts[] = {"Arial", "\"Times New Roman\"", "Verdana", "\"Comic Sans MS\"",
                           "Calibri"};
    QList<ztv::ElementRecord> records;
    for (int i = 0; i < 20; ++i) {
        const QRect rect(20 + (i % 2) * 500, 20 + (i / 2) * 74, 480, 70);
        ztv::ElementRecord r = ztv::plainElement(
            french, 30 + i, 1, QStringLiteral("\"Une page de textes\",\"ligne %1\"").arg(i), rect);
        r.sensdegra = QStringLiteral("%1,gras,%2").arg(fonts[i % 5]).arg(16 + i % 3 * 4);
        r.Transparent = QStringLiteral("centré,2,2,2");
        r.Couleur = 0x00FFFF;
        r.Couldegra = 0x202020;
        r.SurvolFichier = i % 2 == 0 ? QStringLiteral("clRed") : QString();
        records.append(r);
    }
    return records;
}

void textPageLoad(benchmark::State& state) {
    ztv::bench::BenchPage page(QSize(1024, 768), textRecords());
    for (auto _ : state) {
        page.engine().loadPage(1, 1);
        if (page.engine().pagePlay().elements.at(49, 1) == nullptr) {
            state.SkipWithError("a text did not load");
        }
    }
}

BENCHMARK(textPageLoad)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ztv::useApplicationFonts(QStringLiteral(ZTV_SOURCE_DIR "/assets"));
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
