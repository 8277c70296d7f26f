#include "common/platform/TermSignal.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <csignal>

namespace ztv {
namespace {

int signalPipe[2] = {-1, -1};

void onTerm(int) {
    const char byte = 1;
    // Only async-signal-safe work here; the event loop does the rest.
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[0], &byte, 1);
}

}  // namespace

void onTermSignal(QObject* context, std::function<void()> action) {
    if (signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [action] {
        char byte = 0;
        [[maybe_unused]] const ssize_t n = ::read(signalPipe[1], &byte, 1);
        action();
    });
    struct sigaction handler = {};
    handler.sa_handler = onTerm;
    sigemptyset(&handler.sa_mask);
    handler.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &handler, nullptr);
}

}  // namespace ztv
