// Writing and extracting the same 25 MB of mixed files (text, pictures' worth of random bytes,
// small files) with our cabinet component and with the gcab and cabextract programs, in one
// run. Targets: our MSZIP write within 1.2x of gcab's, our extraction within 1.2x of
// cabextract's. LZX write throughput is reported beside them. The programs' times include
// their start-up, which is small beside 25 MB.
#include "common/archives/CabinetFile.h"
#include "common/platform/FileIo.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

constexpr qint64 kTotal = 25 * 1024 * 1024;

struct Corpus {
    QTemporaryDir dir;
    QStringList files;
    Corpus() {
        QRandomGenerator rng(42);
        static const char* words[] = {"page ",   "image ", "zentrovale ", "le ", "projet ",
                                      "son\r\n", "clic ",  "texte ",      "de ", "la "};
        qint64 written = 0;
        for (int i = 0; written < kTotal; ++i) {
            QByteArray data;
            const qint64 size = i % 3 == 2 ? 4096 : 1024 * 1024 + i * 1000;
            if (i % 3 == 1) {
                data.resize(size);
                for (char& c : data)
                    c = char(rng.bounded(256));
            } else {
                while (data.size() < size)
                    data += words[rng.bounded(10)];
            }
            const QString path = dir.filePath(QStringLiteral("src/file%1.dat").arg(i));
            QDir().mkpath(dir.filePath("src"));
            ztv::writeFileAtomically(path, data);
            files.append(path);
            written += data.size();
        }
    }
    QString path(const QString& name) const { return dir.filePath(name); }
};

Corpus& corpus() {
    static Corpus c;
    return c;
}

void runProgram(benchmark::State& state, const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(600000) || process.exitCode() != 0)
        state.SkipWithError(qPrintable(program + QStringLiteral(" failed")));
}

void writeOurs(benchmark::State& state, ztv::CabinetCompression type) {
    ztv::CabinetFile cab;
    cab.CABFile = corpus().path(QStringLiteral("ours.cab"));
    cab.CompressionType = type;
    cab.LZXMemory = ztv::LzxMemory::Highest;
    for (const QString& file : corpus().files)
        cab.CABFileContents.append(ztv::CabinetEntry(file));
    for (auto _ : state)
        cab.write();
    state.SetBytesProcessed(state.iterations() * kTotal);
}

void BM_WriteMszipOurs(benchmark::State& state) {
    writeOurs(state, ztv::CabinetCompression::Mszip);
}

void BM_WriteMszipGcab(benchmark::State& state) {
    const QString gcab = QStandardPaths::findExecutable(QStringLiteral("gcab"));
    if (gcab.isEmpty()) {
        state.SkipWithError("gcab is not installed");
        return;
    }
    for (auto _ : state)
        runProgram(state, gcab,
                   QStringList{"-c", "-z", "-n", corpus().path("gcab.cab")} + corpus().files);
    state.SetBytesProcessed(state.iterations() * kTotal);
}

void BM_WriteLzxOurs(benchmark::State& state) {
    writeOurs(state, ztv::CabinetCompression::Lzx);
}

// Both extract the archive that our MSZIP writer made.
QString mszipArchive() {
    static const QString path = [] {
        ztv::CabinetFile cab;
        cab.CABFile = corpus().path(QStringLiteral("extract.cab"));
        for (const QString& file : corpus().files)
            cab.CABFileContents.append(ztv::CabinetEntry(file));
        cab.write();
        return cab.CABFile;
    }();
    return path;
}

void BM_ExtractOurs(benchmark::State& state) {
    ztv::CabinetFile cab;
    cab.CABFile = mszipArchive();
    cab.TargetPath = corpus().path(QStringLiteral("out-ours"));
    for (auto _ : state)
        cab.extractAll();
    state.SetBytesProcessed(state.iterations() * kTotal);
}

void BM_ExtractCabextract(benchmark::State& state) {
    const QString cabextract = QStandardPaths::findExecutable(QStringLiteral("cabextract"));
    if (cabextract.isEmpty()) {
        state.SkipWithError("cabextract is not installed");
        return;
    }
    const QString archive = mszipArchive();
    for (auto _ : state)
        runProgram(state, cabextract, {"-q", "-d", corpus().path("out-theirs"), archive});
    state.SetBytesProcessed(state.iterations() * kTotal);
}

BENCHMARK(BM_WriteMszipOurs)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteMszipGcab)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteLzxOurs)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExtractOurs)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExtractCabextract)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
