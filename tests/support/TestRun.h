#pragma once

// The test runner: one application object for the process, offscreen and silent whatever the
// caller's environment, with runtime, data and configuration folders of its own so lock files,
// local servers and what the editor registers with the desktop never collide. The libraries'
// tests run under a QGuiApplication, so they link no Widgets; the windows' under a QApplication.
#include "common/platform/Fonts.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>

namespace ztv::test {

template <class Application>
int runTests(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("ZTV_AUDIO", "fake");
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (runtime.path() + "/data").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (runtime.path() + "/config").toLocal8Bit());
    // The font names of pages resolve as in the programs.
    ztv::useApplicationFonts(QStringLiteral(ZTV_SOURCE_DIR "/assets"));
    std::srand(1);
    ::testing::InitGoogleTest(&argc, argv);
    Application app(argc, argv);
    return RUN_ALL_TESTS();
}

}  // namespace ztv::test
