// The main of the Google Benchmark programs that need a Qt application for their file and
// folder helpers.
#include <benchmark/benchmark.h>
#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
