// Building an application from a project of 50 pages of 20 JPEG pictures (the build that every
// distribution starts with: media gathered per page, then appended to the player), beside a
// plain copy of the same picture bytes into one file. Target: the uncompressed build within 2x
// of the copy.
#include "bench/BenchPictures.h"
#include "common/builder/ApplicationBuild.h"
#include "common/formats/ElementRecord.h"
#include "common/formats/LanguageFile.h"
#include "common/formats/PageTable.h"
#include "common/platform/FileIo.h"
#include "common/platform/RecordFile.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>

namespace {

using namespace ztv;

constexpr int kPages = 50;

// A silent prompter: a benchmark asks nothing, and a message means the build went wrong.
class NoPrompter : public Prompter {
  public:
    int ask(const QString& text, const QString&, Buttons) override {
        qWarning("%s", qPrintable(text));
        return Ok;
    }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString folderName(const QString&, const QString&) override { return {}; }
};

struct Project {
    QTemporaryDir dir;
    DriveTable drives;
    LanguageFile language;
    qint64 pictureBytes = 0;

    QString path(const QString& name) const { return dir.filePath(name); }

    Project() {
        drives.set(u'C', QStringLiteral("/"), DriveType::Fixed);
        const auto& pictures = bench::jpegPictures().paths;
        QByteArray container(kProjectRecordSize, '\0');
        QList<PageEntry> table;
        for (int page = 1; page <= kPages; ++page) {
            table.append({page, QStringLiteral("Page %1").arg(page)});
            for (int i = 0; i < bench::kPictures; ++i) {
                ElementRecord r;
                r.Ligne = 4 + i;
                r.Colonne = 1;
                r.Fichier = QString(pictures[i]).replace(u'/', u'\\');
                container += encodeProjectRecord(r, page);
                pictureBytes += QFileInfo(pictures[i]).size();
            }
        }
        QByteArray elf(64, '\0');
        elf.replace(0, 4,
                    QByteArray("\x7f"
                               "ELF",
                               4));
        QDir().mkpath(path(QStringLiteral("app")));
        if (!writeFileAtomically(path(QStringLiteral("show.ZTV")), container) ||
            !writeLines(path(QStringLiteral("show.ini")),
                        {"", "640", "480", "1", "", "2", "", "", "", "", "", "non"}) ||
            !pagetable::write(path(QStringLiteral("show.PZV")), table) ||
            !writeFileAtomically(path(QStringLiteral("app/ztvplay")), elf) ||
            !copyFileAtomically(QStringLiteral(ZTV_SOURCE_DIR "/assets/lang/FRENCH.asc"),
                                path(QStringLiteral("app/rlang.asc"))) ||
            !language.load(path(QStringLiteral("app/rlang.asc")))) {
            std::abort();
        }
    }
};

Project& project() {
    static Project made;
    return made;
}

void setBytesProcessed(benchmark::State& state) {
    state.SetBytesProcessed(state.iterations() * project().pictureBytes);
}

// Into a new file each time, as a build writes new files.
void plainCopy(benchmark::State& state) {
    const auto& pictures = bench::jpegPictures().paths;
    int run = 0;
    for (auto _ : state) {
        const QString target = project().path(QStringLiteral("copy%1.bin").arg(++run));
        QFile out(target);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            state.SkipWithError("cannot write");
        }
        for (int page = 0; page < kPages; ++page) {
            for (const QString& picture : pictures) {
                QFile in(picture);
                in.open(QIODevice::ReadOnly);
                out.write(in.readAll());
            }
        }
        out.close();
        state.PauseTiming();
        QFile::remove(target);
        state.ResumeTiming();
    }
    setBytesProcessed(state);
}

void build(benchmark::State& state) {
    Project& p = project();
    NoPrompter prompter;
    builder::BuildHooks hooks;
    hooks.findMedia = builder::driveTableMediaFinder(p.drives, p.path(QString()));
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString out = p.path(QStringLiteral("out%1").arg(++run));
        QDir().mkpath(out);
        state.ResumeTiming();
        builder::ApplicationBuild b({p.path(QStringLiteral("show.PZV")),
                                     p.path(QStringLiteral("app")), out, builder::BuildOptions{}},
                                    p.language, p.drives, prompter, hooks);
        if (b.run() != builder::BuildOutcome::Built) {
            state.SkipWithError("build failed");
        }
        state.PauseTiming();
        QDir(out).removeRecursively();
        state.ResumeTiming();
    }
    setBytesProcessed(state);
}

BENCHMARK(plainCopy)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(build)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace
