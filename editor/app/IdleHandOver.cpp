#include "editor/app/IdleHandOver.h"

#include <QApplication>

namespace ztv::editor {

namespace {

// How often a waiting hand-off looks again whether the editor is idle.
constexpr int kRetryMs = 200;

bool editorIsIdle() {
    return !QApplication::activeModalWidget() && !QApplication::activePopupWidget();
}

}  // namespace

IdleHandOver::IdleHandOver(std::function<void(const QString&)> open, QObject* parent)
    : QObject(parent), open_(std::move(open)) {
    retry_.setInterval(kRetryMs);
    connect(&retry_, &QTimer::timeout, this, &IdleHandOver::openWhenIdle);
}

void IdleHandOver::request(const QString& projectHost) {
    pending_ = projectHost;
    // From the event loop: the request's socket is answered before the save question blocks.
    QTimer::singleShot(0, this, &IdleHandOver::openWhenIdle);
}

void IdleHandOver::openWhenIdle() {
    if (pending_.isEmpty()) {
        retry_.stop();
        return;
    }
    if (!editorIsIdle()) {
        retry_.start();
        return;
    }
    retry_.stop();
    const QString project = std::exchange(pending_, QString());
    open_(project);
}

}  // namespace ztv::editor
