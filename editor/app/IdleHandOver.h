#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

namespace ztv::editor {

// Holds a project handed over by another start until the editor is idle: no modal dialog and no
// open menu. A question asked over an open dialog would take clicks meant for that dialog and
// leave it hidden behind the main window. The newest request replaces one still waiting.
class IdleHandOver : public QObject {
    Q_OBJECT
  public:
    explicit IdleHandOver(std::function<void(const QString&)> open, QObject* parent = nullptr);

    void request(const QString& projectHost);
    bool isWaiting() const { return !pending_.isEmpty(); }

  private:
    void openWhenIdle();

    std::function<void(const QString&)> open_;
    QString pending_;
    QTimer retry_;
};

}  // namespace ztv::editor
