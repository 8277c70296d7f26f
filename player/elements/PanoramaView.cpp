#include "player/elements/PanoramaView.h"
#include "player/transitions/KeyedCopy.h"

#include <QPainter>
#include <algorithm>

namespace ztv {
namespace {

// A share of a side in percent, never backwards and never more than the side.
int shareOf(int side, int percent) {
    return int(qint64(side) * std::clamp(percent, 0, 100) / 100);
}

}  // namespace

PanoramaView::PanoramaView(QImage picture, QSize view, bool fullTurn)
    : picture_(std::move(picture)), view_(view), fullTurn_(fullTurn) {
    offset_ = QPoint(std::max(0, (picture_.width() - view_.width()) / 2),
                     std::max(0, (picture_.height() - view_.height()) / 2));
}

void PanoramaView::scroll(int direction, int horizontalPercent, int verticalPercent) {
    switch (direction) {
        case Left:
            scrollSideways(-shareOf(view_.width(), horizontalPercent));
            break;
        case Right:
            scrollSideways(shareOf(view_.width(), horizontalPercent));
            break;
        case Up:
            scrollUpright(-shareOf(view_.height(), verticalPercent));
            break;
        case Down:
            scrollUpright(shareOf(view_.height(), verticalPercent));
            break;
        default:
            break;
    }
}

void PanoramaView::scrollSideways(int by) {
    const int pw = picture_.width();
    if (pw < view_.width()) {
        return;
    }
    int x = offset_.x() + by;
    if (!fullTurn_) {
        x = std::clamp(x, 0, pw - view_.width());
    } else if (x <= -pw) {
        x += pw;
    } else if (x >= pw) {
        x -= pw;
    }
    offset_.setX(x);
}

void PanoramaView::scrollUpright(int by) {
    const int room = picture_.height() - view_.height();
    offset_.setY(room <= 0 ? 0 : std::clamp(offset_.y() + by, 0, room));
}

QImage PanoramaView::render() const {
    QImage view(view_, QImage::Format_RGB32);
    drawAt(view, QPoint(0, 0));
    return view;
}

// In a 360-degree view the picture is drawn from where the view starts in it to its right edge,
// then again from its left edge for the rest of the view. Rows are copied, nothing is scaled.
void PanoramaView::drawAt(QImage& target, QPoint at) const {
    const QRect rect(at, view_);
    const int pw = picture_.width();
    if (picture_.isNull() || pw < view_.width() || picture_.height() < view_.height()) {
        QPainter(&target).fillRect(rect, Qt::black);
    }
    if (picture_.isNull()) {
        return;
    }
    // A part of the picture from column `from` into the view from its column `into`.
    const auto copyPart = [&](int from, int into, int width) {
        const QRect part(at.x() + into, at.y(), width, view_.height());
        drawThrough(target, at + QPoint(into - from, -offset_.y()), picture_, std::nullopt, part);
    };
    if (!fullTurn_ || pw < view_.width()) {
        copyPart(offset_.x(), 0, view_.width());
        return;
    }
    const int start = ((offset_.x() % pw) + pw) % pw;
    const int first = std::min(view_.width(), pw - start);
    copyPart(start, 0, first);
    if (first < view_.width()) {
        copyPart(0, first, view_.width() - first);
    }
}

}  // namespace ztv
