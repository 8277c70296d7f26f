#pragma once

#include "common/archives/CabinetEntry.h"
#include "common/archives/CabinetError.h"

#include <QString>
#include <cstdint>
#include <functional>

// Microsoft cabinet archives: one component for the builder, which writes them, and the
// player, which lists and extracts them. Reading goes through libmspack (MSZIP, LZX, Quantum),
// writing through libgcab (stored or MSZIP) and our own LZX encoder.
namespace ztv {

enum class CabinetCompression { None, Mszip, Lzx };
enum class LzxMemory { Lowest, Lower, Low, Medium, High, Higher, Highest };

// The LZX window of a memory setting: 15 for the lowest to 21 for the highest.
inline int lzxWindowBits(LzxMemory memory) {
    return 15 + int(memory);
}

class CabinetFile {
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
    CabinetContents CABFileContents;
    CabinetCompression CompressionType = CabinetCompression::Mszip;
    LzxMemory LZXMemory = LzxMemory::Lowest;
    QString TargetPath;  // host folder of extraction; empty = the current folder

    std::function<void(CabinetFile&, std::int64_t pos, std::int64_t tot)> OnCompressProgress;
    std::function<void(CabinetFile&, const QString& fileName, std::int64_t pos, std::int64_t tot)>
        OnDecompressProgress;
    std::function<void(CabinetFile&, const QString& fileName, bool& allow)> OnOverWriteFile;

    // Writes every entry of the collection into the archive; the archive is replaced only once
    // it is complete. Failures throw CabinetError.
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
