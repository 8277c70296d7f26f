#include "player/ui/ScreenSaverFilter.h"

#include <QApplicationStateChangeEvent>
#include <QMouseEvent>

namespace ztv {

bool screenSaverMoveEnds(QPoint remembered, QPoint now) {
    return std::abs(now.x() - remembered.x()) > 100 || std::abs(now.y() - remembered.y()) > 100;
}

bool ScreenSaverFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseMove:
            if (screenSaverMoveEnds(remembered_,
                                    static_cast<QMouseEvent*>(event)->globalPosition().toPoint())) {
                end();
            }
            break;
        case QEvent::KeyPress:
            end();
            break;
        case QEvent::ApplicationStateChange: {
            const bool active =
                static_cast<QApplicationStateChangeEvent*>(event)->applicationState() ==
                Qt::ApplicationActive;
            if (active_ && !active) {
                end();
            }
            active_ = active;
            break;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void ScreenSaverFilter::end() {
    if (!ended_) {
        ended_ = true;
        emit ended();
    }
}

}  // namespace ztv
