#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace ztv::editor {

// A widget that shows a picture stretched over itself (or a plain colour without one) and
// hands its mouse presses, moves and releases, in its own coordinates, to its owner.
class PictureWidget : public QWidget {
  public:
    explicit PictureWidget(QWidget* parent, QColor fill = Qt::transparent);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

    std::function<void(QPoint)> onPress;
    std::function<void(QPoint)> onMove;
    std::function<void(QPoint)> onRelease;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QImage picture_;
    QColor fill_;
};

}  // namespace ztv::editor
