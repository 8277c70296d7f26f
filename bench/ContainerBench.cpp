// Splitting and packing a project container of 1,000 pages of 60 records (73.6 MB), which every
// open and save runs, beside the floor of each: `cp -r` of the split's own page files, and `cat`
// of those files into one. Every run ends with its file system synced, so that each side pays
// for its writes. Target: split within 2x of cp -r, pack within 2x of cat.
#include "common/formats/Container.h"
#include "common/formats/ElementRecord.h"
#include "common/platform/FileIo.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
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

// Writes the file system of path to disk.
void syncFileSystem(benchmark::State& state, const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0 || ::syncfs(fd) != 0) {
        state.SkipWithError("sync failed");
    }
    if (fd >= 0) {
        ::close(fd);
    }
}

// Runs a program to its end, its standard output into outputHost when one is given.
void runProgram(benchmark::State& state, const QString& program, const QStringList& args,
                const QString& outputHost = QString()) {
    QProcess process;
    if (!outputHost.isEmpty()) {
        process.setStandardOutputFile(outputHost);
    }
    process.start(program, args);
    if (!process.waitForFinished(-1) || process.exitCode() != 0) {
        state.SkipWithError("the program failed");
    }
}

// A fresh folder for each run: right after thousands of files are deleted, ext4 spends most of
// each file creation searching for an inode that was not recently freed, which would measure
// the file system's recovery rather than the writer. Nothing is deleted until the end.
template <class Write>
void intoFreshFolders(benchmark::State& state, Write&& write) {
    QTemporaryDir targets(project().dir.filePath(QStringLiteral("runs-XXXXXX")));
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString target = QDir(targets.path()).filePath(QString::number(++run));
        QDir().mkpath(target);
        syncFileSystem(state, target);
        state.ResumeTiming();
        write(target);
        syncFileSystem(state, target);
    }
    setBytesProcessed(state);
}

// The floor of a split: its own output copied, one file after the other.
void copyPageFiles(benchmark::State& state) {
    intoFreshFolders(state, [&](const QString& target) {
        runProgram(state, QStringLiteral("cp"),
                   {QStringLiteral("-r"), project().pages, QDir(target).filePath("pages")});
    });
}

// Into an empty folder, as the player's playback folder and the editor's emptied working copy.
void split(benchmark::State& state) {
    intoFreshFolders(state, [&](const QString& target) {
        if (!ztv::splitContainer(project().container, target, false).ok) {
            state.SkipWithError("split failed");
        }
    });
}

// The floor of a pack: the page files, in page order, one after the other into one file.
void catPageFiles(benchmark::State& state) {
    QStringList files;
    for (const ztv::PageEntry& page : project().table) {
        files.append(QDir(project().pages).filePath(ztv::pageFileName(page.number)));
    }
    intoFreshFolders(state, [&](const QString& target) {
        runProgram(state, QStringLiteral("cat"), files, QDir(target).filePath("all"));
    });
}

void pack(benchmark::State& state) {
    intoFreshFolders(state, [&](const QString& target) {
        if (!ztv::packContainer(project().pages, project().table,
                                QDir(target).filePath(QStringLiteral("packed.ZTV")))) {
            state.SkipWithError("pack failed");
        }
    });
}

BENCHMARK(copyPageFiles)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(split)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(catPageFiles)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(pack)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace
