#pragma once

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QString>
#include <optional>

namespace ztv::builder {

// Copies media files into the folders of a build without ever overwriting one. Files of the
// same name from different folders are not merged: when the name is taken by the same bytes,
// that copy serves again; by other bytes (or by a file the build keeps for itself), the copy
// takes the next free name, name-2.ext, name-3.ext...
class MediaCopier {
  public:
    // reserved: names, lower-cased, that a copy never takes in any folder; extensions
    // (".cds", ".cab"...) that a copy never ends with.
    MediaCopier(QSet<QString> reservedNames, QStringList reservedExtensions);

    // The host path of the copy; nullopt with an error when the copy failed.
    std::optional<QString> copy(const QString& sourceHost, const QString& folderHost,
                                QString* error);

  private:
    bool isReserved(const QString& name) const;
    std::optional<QString> place(const QString& sourceHost, const QString& folderHost,
                                 QString* error) const;

    QSet<QString> reservedNames_;
    QStringList reservedExtensions_;
    struct Copy {
        QString targetHost;
        QDateTime sourceModified;
    };
    // Each copy made or found, by source and folder: a file gathered for many pages is read
    // and compared once, not again for every page, while neither it nor its copy has changed.
    QHash<std::pair<QString, QString>, Copy> copies_;
};

}  // namespace ztv::builder
