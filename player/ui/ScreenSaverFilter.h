#pragma once

#include <QObject>
#include <QPoint>

namespace ztv {

// A move ends the screen saver only beyond 100 pixels, horizontally or vertically.
bool screenSaverMoveEnds(QPoint remembered, QPoint now);

// Watches the application's input while the player runs as a screen saver: a move beyond
// 100 pixels, a key, or the application losing activation ends it. Clicks alone do not, nor
// do the activation events of the player's own windows.
class ScreenSaverFilter : public QObject {
    Q_OBJECT
  public:
    // active: whether the application is active now; losing activation counts only after it.
    ScreenSaverFilter(QPoint remembered, bool active, QObject* parent = nullptr)
        : QObject(parent), remembered_(remembered), active_(active) {}

  signals:
    void ended();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void end();
    QPoint remembered_;
    bool active_;
    bool ended_ = false;
};

}  // namespace ztv
