#include "editor/position/PictureWidget.h"

#include <QMouseEvent>
#include <QPainter>

namespace ztv::editor {

PictureWidget::PictureWidget(QWidget* parent, QColor fill) : QWidget(parent), fill_(fill) {
    setAttribute(Qt::WA_OpaquePaintEvent, fill.alpha() == 255);
}

void PictureWidget::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (picture_.isNull()) {
        painter.fillRect(rect(), fill_);
        if (fill_.alpha() == 0) {
            // Nothing of the element can be shown: its outline still says where it lies.
            painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
        return;
    }
    painter.drawImage(rect(), picture_);
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    if (onPress && event->button() == Qt::LeftButton) {
        onPress(event->position().toPoint());
    }
}

void PictureWidget::mouseMoveEvent(QMouseEvent* event) {
    if (onMove && (event->buttons() & Qt::LeftButton)) {
        onMove(event->position().toPoint());
    }
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (onRelease && event->button() == Qt::LeftButton) {
        onRelease(event->position().toPoint());
    }
}

}  // namespace ztv::editor
