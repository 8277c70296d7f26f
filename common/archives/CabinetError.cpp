#include "common/archives/CabinetError.h"

#include "common/archives/CabinetFile.h"

namespace ztv {

QString cabErrorText(int code) {
    switch (code) {
        case CabinetFile::NoError:
            return QStringLiteral("No error");
        case CabinetFile::OpenSource:
            return QStringLiteral("Failure opening file to be stored in cabinet");
        case CabinetFile::ReadSource:
            return QStringLiteral("Failure reading file to be stored in cabinet");
        case CabinetFile::OutOfMemory:
            return QStringLiteral("Insufficient memory in FCI");
        case CabinetFile::TempFile:
            return QStringLiteral("Could not create a temporary file");
        case CabinetFile::UnknownCompression:
            return QStringLiteral("Unknown compression type");
        case CabinetFile::CreateCabinet:
            return QStringLiteral("Could not create cabinet file");
        case CabinetFile::UserAbort:
            return QStringLiteral("Client requested abort");
        case CabinetFile::CompressFailure:
            return QStringLiteral("Failure compressing data");
        default:
            return QStringLiteral("Unknown error");
    }
}

CabinetError::CabinetError(int code)
    : std::runtime_error(cabErrorText(code).toStdString()), code_(code) {}

}  // namespace ztv
