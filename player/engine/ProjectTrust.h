#pragma once

#include <QString>
#include <optional>

namespace ztv {

// The user's answers to "may this project start programs?", remembered per project: its path
// and a hash of its container, so a project changed since the answer asks again.
class ProjectTrust {
  public:
    // storeHost: the file the answers are kept in; empty keeps nothing.
    explicit ProjectTrust(QString storeHost) : storeHost_(std::move(storeHost)) {}

    std::optional<bool> answerFor(const QString& projectHost) const;
    void remember(const QString& projectHost, bool allowed) const;

    // $XDG_CONFIG_HOME/zentrovale/trusted-projects.ini
    static QString defaultStore();

  private:
    static QString keyFor(const QString& projectHost);
    QString storeHost_;
};

}  // namespace ztv
