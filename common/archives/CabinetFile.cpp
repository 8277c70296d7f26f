#include "common/archives/CabinetFile.h"

#include <QFileInfo>

namespace ztv {

QString cabinetMemberName(const CabinetEntry& entry) {
    const QString fileName = QFileInfo(entry.Name).fileName();
    if (entry.RelPath.isEmpty())
        return fileName;
    return entry.RelPath.endsWith(u'\\') ? entry.RelPath + fileName
                                         : entry.RelPath + u'\\' + fileName;
}

bool CabinetFile::listContents() {
    return read(ReadMode::List);
}

bool CabinetFile::extractAll() {
    return read(ReadMode::All);
}

bool CabinetFile::extractFile(const QString& name) {
    return read(ReadMode::One, name);
}

bool CabinetFile::extractSelected() {
    return read(ReadMode::Selected);
}

}  // namespace ztv
