#pragma once

class QApplication;

namespace ztv {

// The program entry of ztvplay: the start mode, the screen-saver protocol, the main window.
// Returns the process exit code.
int runPlayer(QApplication& app);

}  // namespace ztv
