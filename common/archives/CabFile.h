#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>
#include <stdexcept>

// Microsoft cabinet archives: one component for the builder, which writes them, and the
// player, which lists and extracts them. Reading goes through libmspack (MSZIP, LZX, Quantum),
// writing through libgcab (stored or MSZIP) and our own LZX encoder.
namespace ztv {

enum class TCompressionType { typNone, typMSZIP, typLZX };
enum class TLZXMemory { lzxLowest, lzxLower, lzxLow, lzxMedium, lzxHigh, lzxHigher, lzxHighest };

// The LZX window of a memory setting: 15 for the lowest to 21 for the highest.
inline int lzxWindowBits(TLZXMemory memory) {
    return 15 + int(memory);
}

class ECABFileError : public std::runtime_error {
  public:
    explicit ECABFileError(int code);
    int code() const { return code_; }

  private:
    int code_;
};

// The text of a writer error code.
QString cabErrorText(int code);

struct TCABFileEntry {
    TCABFileEntry() = default;
    explicit TCABFileEntry(QString name, QString relPath = {})
        : Name(std::move(name)), RelPath(std::move(relPath)) {}

    QString Name;     // writing: the file's host path; reading: its name inside the archive
    QString RelPath;  // writing: the folder inside the archive, may be empty
    QDateTime time;   // reading: the archive's DOS date and time, local time
    std::int64_t size = 0;
    bool selected = false;
};
using TCABFileContents = QList<TCABFileEntry>;

// The name an entry is stored under: RelPath, a backslash and the file name of Name, or the
// file name alone without RelPath.
QString cabinetMemberName(const TCABFileEntry& entry);

class TCABFile {
  public:
    enum ErrorCode {
        NoError = 0,
        OpenSource = 1,
        ReadSource = 2,
        OutOfMemory = 3,
        TempFile = 4,
        UnknownCompression = 5,
        CreateCabinet = 6,
        UserAbort = 7,
        CompressFailure = 8,
    };

    QString CABFile;  // host path of the archive
    TCABFileContents CABFileContents;
    TCompressionType CompressionType = TCompressionType::typMSZIP;
    TLZXMemory LZXMemory = TLZXMemory::lzxLowest;
    QString TargetPath;  // host folder of extraction; empty = the current folder

    std::function<void(TCABFile&, std::int64_t pos, std::int64_t tot)> OnCompressProgress;
    std::function<void(TCABFile&, const QString& fileName, std::int64_t pos, std::int64_t tot)>
        OnDecompressProgress;
    std::function<void(TCABFile&, const QString& fileName, bool& allow)> OnOverWriteFile;

    // Writes every entry of the collection into the archive; the archive is replaced only once
    // it is complete. Failures throw ECABFileError.
    bool write();

    // Fills the collection from the archive; nothing is extracted.
    bool listContents();
    // False when the archive cannot be read or a file could not be extracted.
    bool extractAll();
    // Only the file whose name inside the archive equals name, without regard to case.
    bool extractFile(const QString& name);
    // Every file whose collection entry has its selection flag set.
    bool extractSelected();

    // The name in the archive of the file extracted last, and where it landed.
    QString lastExtractedName() const { return lastExtracted_; }
    QString lastExtractedPath() const { return lastExtractedPath_; }

  private:
    enum class ReadMode { List, All, One, Selected };
    bool read(ReadMode mode, const QString& wanted = {});
    void writeLzx();
    bool wants(ReadMode mode, const QString& name, const QString& wanted) const;
    friend class CabReadSession;

    QString lastExtracted_, lastExtractedPath_;
};

}  // namespace ztv
