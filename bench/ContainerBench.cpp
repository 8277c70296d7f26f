// Splitting and packing a project container of 1,000 pages of 60 records (73.6 MB), which every
// open and save runs, beside a plain copy of the container's bytes. Target: both within 3x of
// the copy. A split creates a file per page; on ext4, after many deletions, creating files costs
// more than the split's own work, so the split is also shown beside plain writes of its files.
#include "common/Container.h"
#include "common/ElementRecord.h"
#include "common/platform/FileIo.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

constexpr int kPages = 1000;
constexpr int kRecordsPerPage = 60;

// A picture cell as the dialogs write it, with texts of a usual length.
ztv::ElementRecord typicalRecord(int page, int i) {
    ztv::ElementRecord r;
    r.Ligne = 1 + i % ztv::kRowCount;
    r.Colonne = 1 + i / ztv::kRowCount;
    r.Effet = QStringLiteral("Rideau vers la droite");
    r.Fichier = QStringLiteral("\\projets\\visite\\images\\page%1-%2.jpg").arg(page).arg(i);
    r.Transparent = QStringLiteral("Normal");
    r.Gauche = 10 * i;
    r.Haut = 20;
    r.Largeur = 320;
    r.Hauteur = 240;
    r.Acte = QStringLiteral("Aller à la page");
    r.Destination = QString::number(page + 1);
    r.Destin2 = QStringLiteral("1");
    r.Vitesse = 5;
    r.Attente = 1.5;
    r.Click = r.Inverse = r.IntegrFond = QStringLiteral("non");
    r.DisparAuto = QStringLiteral("oui");
    r.sensdegra = QStringLiteral("Arial,gras,12");
    r.EffetPas = 5;
    r.EffetFin = 100;
    return r;
}

struct Project {
    QTemporaryDir dir;
    QString container = dir.filePath(QStringLiteral("visite.ZTV"));
    QString pages = dir.filePath(QStringLiteral("pages"));
    QList<ztv::PageEntry> table;

    Project() {
        QByteArray data(ztv::kProjectRecordSize, '\0');
        for (int page = 1; page <= kPages; ++page) {
            table.append({page, QStringLiteral("Page %1").arg(page)});
            for (int i = 0; i < kRecordsPerPage; ++i) {
                data += ztv::encodeProjectRecord(typicalRecord(page, i), page);
            }
        }
        if (!QDir().mkpath(pages) || !ztv::writeFileAtomically(container, data) ||
            !ztv::splitContainer(container, pages, false).ok) {
            std::abort();
        }
    }
};

Project& project() {
    static Project made;
    return made;
}

void setBytesProcessed(benchmark::State& state) {
    state.SetBytesProcessed(state.iterations() * QFileInfo(project().container).size());
}

void plainCopy(benchmark::State& state) {
    const QString copy = project().dir.filePath(QStringLiteral("copy.ZTV"));
    for (auto _ : state) {
        if (!ztv::copyFileAtomically(project().container, copy)) {
            state.SkipWithError("copy failed");
        }
    }
    setBytesProcessed(state);
}

// Into an empty folder, as the player's playback folder and the editor's emptied working copy.
// Each run gets a fresh folder and nothing is deleted until the end: right after thousands of
// files are deleted, ext4 spends most of each file creation searching for an inode that was not
// recently freed, which measures the file system's recovery rather than the split.
void split(benchmark::State& state) {
    QTemporaryDir targets(project().dir.filePath(QStringLiteral("split-XXXXXX")));
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString target = QDir(targets.path()).filePath(QString::number(++run));
        QDir().mkpath(target);
        state.ResumeTiming();
        if (!ztv::splitContainer(project().container, target, false).ok) {
            state.SkipWithError("split failed");
        }
    }
    setBytesProcessed(state);
}

// The file system's share of a split: the same page files' bytes written into a fresh folder by
// plain writes, with no record work.
void plainPageFiles(benchmark::State& state) {
    QList<QByteArray> files;
    for (const QFileInfo& page : QDir(project().pages).entryInfoList(QDir::Files)) {
        QFile file(page.filePath());
        file.open(QIODevice::ReadOnly);
        files.append(file.readAll());
    }
    QTemporaryDir targets(project().dir.filePath(QStringLiteral("plain-XXXXXX")));
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QDir target(QDir(targets.path()).filePath(QString::number(++run)));
        QDir().mkpath(target.path());
        state.ResumeTiming();
        for (qsizetype i = 0; i < files.size(); ++i) {
            QFile file(target.filePath(QString::number(i)));
            if (!file.open(QIODevice::WriteOnly) || file.write(files[i]) != files[i].size()) {
                state.SkipWithError("write failed");
            }
        }
    }
    setBytesProcessed(state);
}

void pack(benchmark::State& state) {
    const QString packed = project().dir.filePath(QStringLiteral("packed.ZTV"));
    for (auto _ : state) {
        if (!ztv::packContainer(project().pages, project().table, packed)) {
            state.SkipWithError("pack failed");
        }
    }
    setBytesProcessed(state);
}

BENCHMARK(plainCopy)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(plainPageFiles)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(split)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(pack)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace
