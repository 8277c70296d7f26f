#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

// Entries: the unit of appended projects and media data files. An entry is a 250-byte name
// field ended by a zero byte, an 11-byte decimal size field ended by a zero byte, then the
// content. Entries follow each other up to the end of the file.
namespace ztv {

inline constexpr int kEntryNameFieldSize = 250;
inline constexpr int kEntrySizeFieldSize = 11;
inline constexpr int kEntryHeaderSize = kEntryNameFieldSize + kEntrySizeFieldSize;

// The size field: the ASCII digits before the first zero byte (at most 11 characters);
// nullopt when that is empty or holds anything but digits.
std::optional<std::int64_t> parseEntrySize(QByteArrayView field);

// One entry as a builder writes it (the name is cut to 249 bytes so its zero byte fits).
QByteArray encodeEntry(const QString& name, const QByteArray& content);
// The name and size fields of an entry whose content follows.
QByteArray encodeEntryHeader(const QString& name, std::int64_t contentSize);

// The name under which an entry may be extracted: its file name alone, without folders; empty
// when nothing usable is left ("", ".", "..") or it holds ":" or a NUL.
QString entryExtractionName(const QString& storedName);

struct EntryHeader {
    QString name;             // the name field up to its zero byte, from Windows-1252
    std::int64_t size = 0;    // the content's size, never past the end of the device
    qint64 headerOffset = 0;  // where the name field starts
    qint64 contentOffset() const { return headerOffset + kEntryHeaderSize; }
};

// Walks the entries of a device that the caller keeps open (a media data file, or the data
// appended to the player from a start offset). A header that is cut short, whose size is not
// digits, or whose content would pass the end of the device, ends the sequence.
class EntryReader {
  public:
    explicit EntryReader(QIODevice* device, qint64 start = 0) : device_(device), start_(start) {}

    // The header at the current position; the position moves to the next entry. nullopt at
    // the end of the sequence (the position is then unspecified).
    std::optional<EntryHeader> next();

    // `ChercherEntree`: from the current position, the first entry whose name equals name
    // exactly (case included); at the end, one return to the start. Found: the position is on
    // the entry's size field.
    bool findEntry(const QString& name);
    // The same walk with any test of the name.
    bool findEntryMatching(const std::function<bool(const QString&)>& matches);

    // Reads the size field at the current position and then the content; nullopt when the
    // field is not valid, passes the end, or the content is larger than the entry cap. The
    // position then stands on the next entry.
    std::optional<QByteArray> readContent();

    // Reads the size field at the current position and copies the content into the target
    // folder under the entry name's file name (a file or link already there is replaced only
    // once the copy is complete). The host path written; nullopt when the name is refused or
    // the copy comes up short, and then nothing is left behind.
    std::optional<QString> extractTo(const QString& targetDirHost, const QString& name);

    void rewind() { device_->seek(start_); }

  private:
    std::optional<std::int64_t> readSizeField();

    QIODevice* device_;
    qint64 start_;
};

}  // namespace ztv
