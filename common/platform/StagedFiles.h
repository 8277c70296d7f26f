#pragma once

#include <QList>
#include <QString>

namespace ztv {

// Writes several files as one change: each file is first written in full as a temporary file
// beside its target; only when every one of them is written are they renamed over the old
// files. A failure before that leaves every old file as it was.
class StagedFiles {
  public:
    StagedFiles() = default;
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;
    ~StagedFiles();  // removes whatever was staged and not committed

    bool stage(const QString& targetHost, const QByteArray& data);
    bool stageCopy(const QString& sourceHost, const QString& targetHost);
    // Renames every staged file over its target.
    bool commit();
    void discard();
    const QString& errorString() const { return error_; }

  private:
    struct Staged {
        QString temp;
        QString target;
    };
    QList<Staged> staged_;
    QString error_;
};

}  // namespace ztv
