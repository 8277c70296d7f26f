// Reading archives through libmspack, with file access of our own: the archive is read by
// plain descriptor calls, and every extracted file is written into a confined temporary file
// that never grows past the size the archive declares.
#include "common/archives/CabinetFile.h"
#include "common/platform/ConfinedFile.h"
#include "common/platform/Cp1252.h"
#include "common/platform/SafetyLimits.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <mspack.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace ztv {
namespace {

struct Handle;

// The system functions libmspack calls; `self` points at this struct's first member.
struct CabSystem {
    mspack_system base;
    Handle* output = nullptr;  // the file the running extraction writes
};

struct Handle {
    int fd = -1;
    QFile* out = nullptr;
    std::int64_t written = 0, limit = 0;
    std::function<void(std::int64_t)> progress;
};

Handle* handleOf(mspack_file* file) {
    return reinterpret_cast<Handle*>(file);
}

mspack_file* sysOpen(mspack_system* self, const char* filename, int mode) {
    auto* system = reinterpret_cast<CabSystem*>(self);
    if (mode == MSPACK_SYS_OPEN_WRITE && system->output != nullptr)
        return reinterpret_cast<mspack_file*>(system->output);
    if (mode != MSPACK_SYS_OPEN_READ)
        return nullptr;
    const int fd = ::open(filename, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    auto* handle = new Handle;
    handle->fd = fd;
    return reinterpret_cast<mspack_file*>(handle);
}

void sysClose(mspack_file* file) {
    Handle* handle = handleOf(file);
    if (handle->out != nullptr)
        return;  // owned by the extraction
    ::close(handle->fd);
    delete handle;
}

int sysRead(mspack_file* file, void* buffer, int bytes) {
    Handle* handle = handleOf(file);
    if (handle->fd < 0 || bytes < 0)
        return -1;
    int done = 0;
    while (done < bytes) {
        const ssize_t n =
            ::read(handle->fd, static_cast<char*>(buffer) + done, size_t(bytes - done));
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += int(n);
    }
    return done;
}

int sysWrite(mspack_file* file, void* buffer, int bytes) {
    Handle* handle = handleOf(file);
    // Never more than the archive declared for the file.
    if (handle->out == nullptr || bytes < 0 || handle->written + bytes > handle->limit)
        return -1;
    if (handle->out->write(static_cast<const char*>(buffer), bytes) != bytes)
        return -1;
    handle->written += bytes;
    if (handle->progress)
        handle->progress(handle->written);
    return bytes;
}

int sysSeek(mspack_file* file, off_t offset, int mode) {
    Handle* handle = handleOf(file);
    const int whence = mode == MSPACK_SYS_SEEK_START ? SEEK_SET
                       : mode == MSPACK_SYS_SEEK_CUR ? SEEK_CUR
                                                     : SEEK_END;
    return handle->fd >= 0 && ::lseek(handle->fd, offset, whence) >= 0 ? 0 : -1;
}

off_t sysTell(mspack_file* file) {
    Handle* handle = handleOf(file);
    return handle->fd >= 0 ? ::lseek(handle->fd, 0, SEEK_CUR) : off_t(handle->written);
}

void sysMessage(mspack_file*, const char*, ...) {}

void* sysAlloc(mspack_system*, size_t bytes) {
    return std::malloc(bytes);
}

void sysFree(void* pointer) {
    std::free(pointer);
}

void sysCopy(void* from, void* to, size_t bytes) {
    std::memmove(to, from, bytes);
}

CabSystem makeSystem() {
    CabSystem system{};
    system.base = mspack_system{sysOpen,    sysClose, sysRead, sysWrite, sysSeek, sysTell,
                                sysMessage, sysAlloc, sysFree, sysCopy,  nullptr};
    return system;
}

QString storedName(const mscabd_file& file) {
    if (file.filename == nullptr)
        return {};
    return (file.attribs & MSCAB_ATTRIB_UTF_NAME) != 0 ? QString::fromUtf8(file.filename)
                                                       : fromCp1252(QByteArray(file.filename));
}

QDateTime dosTime(const mscabd_file& file) {
    const QDate date(file.date_y, file.date_m, file.date_d);
    const QTime time(file.time_h, file.time_m, file.time_s);
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time);
}

struct DecompressorDeleter {
    void operator()(mscab_decompressor* d) const { mspack_destroy_cab_decompressor(d); }
};

}  // namespace

bool CabinetFile::wants(ReadMode mode, const QString& name, const QString& wanted) const {
    switch (mode) {
        case ReadMode::List:
            return false;
        case ReadMode::All:
            return true;
        case ReadMode::One:
            return name.compare(wanted, Qt::CaseInsensitive) == 0;
        case ReadMode::Selected:
            return std::any_of(CABFileContents.begin(), CABFileContents.end(), [&](const auto& e) {
                return e.selected && e.Name.compare(name, Qt::CaseInsensitive) == 0;
            });
    }
    return false;
}

// One file of the archive into the target folder. A refused name, a file larger than the cap
// or a failed decompression leaves nothing behind and counts as a failure; a file that the
// overwrite event keeps is skipped.
class CabReadSession {
  public:
    CabReadSession(CabinetFile& owner, mscab_decompressor* d, CabSystem& system)
        : owner_(owner), d_(d), system_(system) {}

    bool extract(mscabd_file& file, const QString& name) {
        const auto components = confinedComponents(name);
        if (!components || std::int64_t(file.length) > limits::kMaxCabinetMemberSize)
            return false;
        const QString target =
            owner_.TargetPath.isEmpty() ? QDir::currentPath() : owner_.TargetPath;
        if (!QDir().mkpath(target))
            return false;
        const QFileInfo existing(confinedPath(target, *components));
        if (existing.exists() || existing.isSymLink()) {
            bool allow = true;
            if (owner_.OnOverWriteFile)
                owner_.OnOverWriteFile(owner_, name, allow);
            if (!allow)
                return true;
        }
        ConfinedFile out;
        if (!out.open(target, *components))
            return false;
        Handle handle;
        handle.out = &out.file();
        handle.limit = std::int64_t(file.length);
        if (owner_.OnDecompressProgress) {
            handle.progress = [&](std::int64_t written) {
                owner_.OnDecompressProgress(owner_, name, written, handle.limit);
            };
        }
        system_.output = &handle;
        const int error = d_->extract(d_, &file, "");
        system_.output = nullptr;
        if (error != MSPACK_ERR_OK || handle.written != handle.limit || !out.commit(dosTime(file)))
            return false;
        owner_.lastExtracted_ = name;
        owner_.lastExtractedPath_ = out.finalPath();
        return true;
    }

  private:
    CabinetFile& owner_;
    mscab_decompressor* d_;
    CabSystem& system_;
};

bool CabinetFile::read(ReadMode mode, const QString& wanted) {
    lastExtracted_.clear();
    lastExtractedPath_.clear();
    if (mode == ReadMode::List)
        CABFileContents.clear();
    if (!QFileInfo(CABFile).isFile())
        return false;
    CabSystem system = makeSystem();
    std::unique_ptr<mscab_decompressor, DecompressorDeleter> d(
        mspack_create_cab_decompressor(&system.base));
    if (!d)
        return false;
    const QByteArray path = QFile::encodeName(CABFile);
    mscabd_cabinet* cabinet = d->open(d.get(), path.constData());
    if (cabinet == nullptr)
        return false;
    CabReadSession session(*this, d.get(), system);
    bool ok = true, matched = false;
    for (mscabd_file* file = cabinet->files; file != nullptr; file = file->next) {
        const QString name = storedName(*file);
        if (mode == ReadMode::List) {
            CabinetEntry& entry = CABFileContents.emplace_back(name);
            entry.time = dosTime(*file);
            entry.size = file->length;
        }
        if (wants(mode, name, wanted)) {
            matched = true;
            ok = session.extract(*file, name) && ok;
        }
    }
    d->close(d.get(), cabinet);
    return ok && (matched || mode != ReadMode::One);
}

}  // namespace ztv
