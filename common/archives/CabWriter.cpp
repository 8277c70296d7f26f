// Writing archives through libgcab (stored or MSZIP). Every call's answer is checked: the
// library can fail without an error, so a failure without one still fails the write.
#include <libgcab.h>

#include "common/archives/CabinetFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <memory>

namespace ztv {
namespace {

struct ObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T>
using GObjectPtr = std::unique_ptr<T, ObjectUnref>;

struct ErrorFree {
    void operator()(GError* error) const { g_error_free(error); }
};

// Runs a library call that reports through a GError; throws code when it fails.
template <typename Call>
void check(int code, Call call) {
    GError* error = nullptr;
    const bool ok = call(&error);
    std::unique_ptr<GError, ErrorFree> owned(error);
    if (!ok)
        throw CabinetError(code);
}

bool isAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

GCabFile* cabinetFile(const CabinetEntry& entry) {
    const QString name = cabinetMemberName(entry);
    GObjectPtr<GFile> source(g_file_new_for_path(QFile::encodeName(entry.Name).constData()));
    GCabFile* file = gcab_file_new_with_file(name.toUtf8().constData(), source.get());
    const QFileInfo info(entry.Name);
    GDateTime* modified = g_date_time_new_from_unix_local(info.lastModified().toSecsSinceEpoch());
    gcab_file_set_date_time(file, modified);
    g_date_time_unref(modified);
    guint32 attributes = GCAB_FILE_ATTRIBUTE_ARCH;
    if (!info.isWritable())
        attributes |= GCAB_FILE_ATTRIBUTE_RDONLY;
    if (!isAscii(name))
        attributes |= GCAB_FILE_ATTRIBUTE_NAME_IS_UTF;
    gcab_file_set_attributes(file, attributes);
    return file;
}

struct Progress {
    CabinetFile* owner;
    std::int64_t done = 0, total = 0;
};

gboolean fileWritten(GCabFile* file, gpointer data) {
    auto* progress = static_cast<Progress*>(data);
    progress->done += gcab_file_get_size(file);
    if (progress->owner->OnCompressProgress)
        progress->owner->OnCompressProgress(*progress->owner, progress->done, progress->total);
    return TRUE;
}

}  // namespace

bool CabinetFile::write() {
    // No library writes LZX, and libgcab would write a broken archive without a word.
    if (CompressionType == CabinetCompression::Lzx) {
        writeLzx();
        return true;
    }
    Progress progress{this};
    for (const CabinetEntry& entry : CABFileContents) {
        QFile source(entry.Name);
        if (!source.open(QIODevice::ReadOnly) || !QFileInfo(entry.Name).isFile())
            throw CabinetError(OpenSource);
        progress.total += source.size();
    }
    GObjectPtr<GCabCabinet> cabinet(gcab_cabinet_new());
    GObjectPtr<GCabFolder> folder(gcab_folder_new(CompressionType == CabinetCompression::None
                                                      ? GCAB_COMPRESSION_NONE
                                                      : GCAB_COMPRESSION_MSZIP));
    for (const CabinetEntry& entry : CABFileContents) {
        GObjectPtr<GCabFile> file(cabinetFile(entry));
        check(ReadSource, [&](GError** error) {
            return gcab_folder_add_file(folder.get(), file.get(), FALSE, nullptr, error);
        });
    }
    check(CompressFailure, [&](GError** error) {
        return gcab_cabinet_add_folder(cabinet.get(), folder.get(), error);
    });

    // The archive is written beside its final name and replaces it only when complete.
    const QFileInfo target(CABFile);
    QTemporaryFile temp(target.absolutePath() + QStringLiteral("/.cab-XXXXXX"));
    if (!temp.open())
        throw CabinetError(CreateCabinet);
    GObjectPtr<GFile> out(g_file_new_for_path(QFile::encodeName(temp.fileName()).constData()));
    GFileOutputStream* rawStream = nullptr;
    check(CreateCabinet, [&](GError** error) {
        rawStream = g_file_replace(out.get(), nullptr, FALSE, G_FILE_CREATE_NONE, nullptr, error);
        return rawStream != nullptr;
    });
    GObjectPtr<GFileOutputStream> stream(rawStream);
    check(CompressFailure, [&](GError** error) {
        return gcab_cabinet_write_simple(cabinet.get(), G_OUTPUT_STREAM(stream.get()), fileWritten,
                                         &progress, nullptr, error);
    });
    check(CreateCabinet, [&](GError** error) {
        return g_output_stream_close(G_OUTPUT_STREAM(stream.get()), nullptr, error);
    });
    // By name: the library replaced the file that the temporary one had open.
    QFile::setPermissions(temp.fileName(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                               QFile::ReadOther);
    if (std::rename(QFile::encodeName(temp.fileName()).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
        throw CabinetError(CreateCabinet);
    temp.setAutoRemove(false);
    return true;
}

}  // namespace ztv
