#pragma once

#include <QIODevice>
#include <QList>
#include <QSet>
#include <QString>

namespace ztv::builder {

// One page's media data file, known entry by entry before a byte of it is written: an
// uncompressed build streams it straight into the program, the others write it as a file for
// their archives. Either way each picture's bytes are copied once.
class MediaData {
  public:
    // Adds the file under its entry name, once per name; false when it cannot be read.
    bool add(const QString& entryName, const QString& fileHost, QString* error);
    // The size of the whole file: every entry's header and content.
    qint64 size() const;
    // Writes every entry; false when a file cannot be read or no longer has the size it had
    // when it was added, since the size already written would then lie.
    bool writeTo(QIODevice& output, QString* error) const;

  private:
    struct Entry {
        QString name;
        QString fileHost;
        qint64 size = 0;
    };
    QList<Entry> entries_;
    QSet<QString> names_;
};

}  // namespace ztv::builder
