#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <functional>
#include <memory>

namespace ztv::shots {

// What the shots share: the application folder they show, the demo project's folder, a data
// folder of their own, and the authoring program opened on the demo project once, when a shot
// first needs it.
class ShotContext {
  public:
    ShotContext(QString appDir, QString demoDir, QString dataDir);
    ~ShotContext();

    const QString& appDir() const { return appDir_; }
    QString demoProject(const QString& extension) const;
    // The running authoring program with the demo open; null (with the reason in error) when
    // it cannot start.
    struct Editor;
    Editor* editor(QString& error);

  private:
    QString appDir_;
    QString demoDir_;
    QString dataDir_;
    std::unique_ptr<Editor> editor_;
};

// A shot writes NAME.png; it answers a null picture and its reason when it cannot be taken.
struct Shot {
    QString name;
    std::function<QImage(ShotContext&, QString& error)> take;
};

// Every shot, in the order they are taken. A new one is one more entry here.
const QList<Shot>& allShots();

}  // namespace ztv::shots
