// One libFuzzer program per target; ZTV_FUZZ_TARGET names it.
#include "fuzz/FuzzTargets.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {
const ztv::fuzz::Target* target = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's readers warn about every broken input; the fuzzer's own output is what counts.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char name[] = "ztv-fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    target = ztv::fuzz::findTarget(ZTV_FUZZ_TARGET);
    if (!target) {
        std::fprintf(stderr, "unknown fuzz target %s\n", ZTV_FUZZ_TARGET);
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    target->run(data, size);
    return 0;
}
