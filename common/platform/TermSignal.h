#pragma once

#include <functional>

class QObject;

namespace ztv {

// Runs action on the event loop when SIGTERM arrives, for as long as context lives.
void onTermSignal(QObject* context, std::function<void()> action);

}  // namespace ztv
