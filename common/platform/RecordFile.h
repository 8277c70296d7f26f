#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <optional>

namespace ztv {

// A file of fixed-size records with no header, read and written one whole record at an index.
// Trailing bytes that do not make a whole record are ignored.
class RecordFile {
  public:
    enum class Mode { ReadOnly, ReadWrite, Truncate };

    explicit RecordFile(int recordSize) : recordSize_(recordSize) {}

    bool open(const QString& hostPath, Mode mode);
    void close() { file_.close(); }
    bool isOpen() const { return file_.isOpen(); }
    int recordSize() const { return recordSize_; }

    // Number of whole records in the file.
    qint64 count() const;
    // nullopt past the last whole record or on a read error.
    std::optional<QByteArray> read(qint64 index);
    // Writing past the end extends the file (a gap reads as zeros).
    bool write(qint64 index, const QByteArray& record);
    QString errorString() const { return file_.errorString(); }

    // Every whole record of a file; nullopt when the file cannot be opened.
    static std::optional<QList<QByteArray>> readAll(const QString& hostPath, int recordSize);

  private:
    int recordSize_;
    QFile file_;
};

}  // namespace ztv
