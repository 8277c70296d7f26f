#pragma once

class QWidget;

namespace ztv {

// SIGTERM closes the window through its normal close sequence (end screen and clean-up).
void closeOnTermSignal(QWidget* window);

}  // namespace ztv
