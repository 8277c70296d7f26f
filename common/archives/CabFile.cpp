#include "common/archives/CabFile.h"

#include <QFileInfo>

namespace ztv {

QString cabErrorText(int code) {
    switch (code) {
        case TCABFile::NoError:
            return QStringLiteral("No error");
        case TCABFile::OpenSource:
            return QStringLiteral("Failure opening file to be stored in cabinet");
        case TCABFile::ReadSource:
            return QStringLiteral("Failure reading file to be stored in cabinet");
        case TCABFile::OutOfMemory:
            return QStringLiteral("Insufficient memory in FCI");
        case TCABFile::TempFile:
            return QStringLiteral("Could not create a temporary file");
        case TCABFile::UnknownCompression:
            return QStringLiteral("Unknown compression type");
        case TCABFile::CreateCabinet:
            return QStringLiteral("Could not create cabinet file");
        case TCABFile::UserAbort:
            return QStringLiteral("Client requested abort");
        case TCABFile::CompressFailure:
            return QStringLiteral("Failure compressing data");
        default:
            return QStringLiteral("Unknown error");
    }
}

ECABFileError::ECABFileError(int code)
    : std::runtime_error(cabErrorText(code).toStdString()), code_(code) {}

QString cabinetMemberName(const TCABFileEntry& entry) {
    const QString fileName = QFileInfo(entry.Name).fileName();
    if (entry.RelPath.isEmpty())
        return fileName;
    return entry.RelPath.endsWith(u'\\') ? entry.RelPath + fileName
                                         : entry.RelPath + u'\\' + fileName;
}

bool TCABFile::listContents() {
    return read(ReadMode::List);
}

bool TCABFile::extractAll() {
    return read(ReadMode::All);
}

bool TCABFile::extractFile(const QString& name) {
    return read(ReadMode::One, name);
}

bool TCABFile::extractSelected() {
    return read(ReadMode::Selected);
}

}  // namespace ztv
