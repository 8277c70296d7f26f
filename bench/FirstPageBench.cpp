// How long a saved project of 10, 100 and 1,000 pages of 60 records (the largest 73.6 MB) takes
// from the player's start to its first page drawn: opening, the playback directory, the copy of
// the container, its split and the load of a page showing one picture. Target: the 1,000-page
// project within 1.5x of the 10-page one, since the first page need not wait for the others.
#include "bench/BenchPage.h"
#include "common/formats/ElementDefaults.h"
#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "common/formats/PageTable.h"
#include "common/platform/FileIo.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QImage>
#include <cstdlib>
#include <optional>

namespace {

using namespace ztv;

constexpr int kRecordsPerPage = 60;
const QSize kPageSize(640, 480);

const LanguageFile& french() {
    static const LanguageFile language = [] {
        LanguageFile l;
        l.load(QStringLiteral(ZTV_SOURCE_DIR "/assets/lang/FRENCH.asc"));
        return l;
    }();
    return language;
}

// A player folder holding the project "visite" of `pages` pages: page 1 shows a picture, the
// others hold the usual mix of cells (never loaded here).
struct SavedProject {
    QTemporaryDir dir;
    QString container = dir.filePath(QStringLiteral("visite.ZTV"));

    explicit SavedProject(int pages) {
        QImage picture(kPageSize, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        const QString pictureHost = dir.filePath(QStringLiteral("fond.bmp"));
        QByteArray data(kProjectRecordSize, '\0');
        QByteArray table(kPageTableRecordSize, '\0');
        const QString stored = QString(pictureHost).replace(u'/', u'\\');
        data += encodeProjectRecord(
            plainElement(french(), 3, 1, stored, QRect(QPoint(0, 0), kPageSize)), 1);
        for (int page = 1; page <= pages; ++page) {
            table += pagetable::encode({page, QStringLiteral("Page %1").arg(page)});
            for (int i = 0; page > 1 && i < kRecordsPerPage; ++i) {
                const QString file = QStringLiteral("\\images\\page%1-%2.jpg").arg(page).arg(i);
                data += encodeProjectRecord(
                    plainElement(french(), 4 + i % 20, 1 + i / 20, file, QRect(10, 10, 320, 240)),
                    page);
            }
        }
        QStringList settings(16, QStringLiteral("$"));
        settings[1] = QString::number(kPageSize.width());
        settings[2] = QString::number(kPageSize.height());
        settings[3] = QStringLiteral("1");
        settings[5] = QStringLiteral("2");
        if (!picture.save(pictureHost, "BMP") || !writeFileAtomically(container, data) ||
            !writeFileAtomically(dir.filePath(QStringLiteral("visite.PZV")), table) ||
            !writeLines(dir.filePath(QStringLiteral("visite.ini")), settings) ||
            !copyFileAtomically(QStringLiteral(ZTV_SOURCE_DIR "/assets/lang/FRENCH.asc"),
                                dir.filePath(QStringLiteral("rlang.asc")))) {
            std::abort();
        }
    }
};

bool showsThePicture(const Engine& engine) {
    return engine.canvas().pixel(320, 240) == QColor(Qt::darkCyan).rgb();
}

void firstPage(benchmark::State& state) {
    const SavedProject project(int(state.range(0)));
    bench::AbortingPrompter prompter;
    ManualClock clock;
    std::optional<Engine> engine;
    for (auto _ : state) {
        state.PauseTiming();
        engine.reset();  // the end of playback removes the playback directory
        PlayerEnvironment env;
        env.prompter = &prompter;
        env.clock = &clock;
        env.drives.set(u'C', QStringLiteral("/"), DriveType::Fixed);
        env.screenSize = kPageSize;
        env.programPath = project.dir.filePath(QStringLiteral("ztvplay"));
        env.arguments = {project.container};
        state.ResumeTiming();
        engine.emplace(std::move(env));
        if (!engine->start(project.dir.path())) {
            state.SkipWithError("the project did not open");
            break;
        }
        engine->playPage();
        while (engine->timer().isActive() && !showsThePicture(*engine)) {
            clock.advance(engine->timer().interval());
            engine->stepDueElements();
        }
        if (!showsThePicture(*engine)) {
            state.SkipWithError("the first page shows no picture");
            break;
        }
    }
    engine.reset();
}

BENCHMARK(firstPage)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
