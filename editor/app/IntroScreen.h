#pragma once

#include <QDialog>
#include <QImage>
#include <QTimer>

namespace ztv::editor {

// The intro screen: logo.jpg stretched over a borderless window in the middle of the screen,
// closed after 5 seconds, by a click or by Esc.
class IntroScreen : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kShowMs = 5000;

    explicit IntroScreen(const QString& logoHost, QWidget* parent = nullptr);
    const QTimer& timer() const { return timer_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QImage logo_;
    QTimer timer_;
};

}  // namespace ztv::editor
