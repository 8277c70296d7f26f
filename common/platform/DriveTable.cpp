#include "common/platform/DriveTable.h"

#include "common/platform/FileIo.h"
#include "common/platform/WinPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace ztv {
namespace {

QString cleanRoot(const QString& root) {
    QString r = QDir::cleanPath(root);
    return r.isEmpty() ? QStringLiteral("/") : r;
}

// Mount points in /proc/self/mounts escape blanks and a few other bytes as \ooo.
QString unescapeMount(const QString& field) {
    QString out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == u'\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out += QChar(code);
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

DriveType mountType(const QString& fsType) {
    static const QStringList optical = {"iso9660", "udf"};
    static const QStringList network = {"nfs",        "nfs4", "cifs",  "smb3", "smbfs",
                                        "fuse.sshfs", "afs",  "ncpfs", "9p",   "davfs"};
    if (optical.contains(fsType)) {
        return DriveType::Cd;
    }
    if (network.contains(fsType)) {
        return DriveType::Network;
    }
    return DriveType::Fixed;
}

DriveType typeFromWord(const QString& word) {
    const QString w = word.trimmed().toLower();
    if (w == "cd") {
        return DriveType::Cd;
    }
    if (w == "network" || w == "net") {
        return DriveType::Network;
    }
    if (w == "fixed" || w == "hd") {
        return DriveType::Fixed;
    }
    return DriveType::Unknown;
}

// Resolves the components below a host root one by one, without regard to case.
QString resolveBelow(const QString& root, const QStringList& components) {
    QString current = root;
    for (qsizetype i = 0; i < components.size(); ++i) {
        const QString found = findEntryNoCase(current, components[i]);
        if (found.isEmpty()) {
            // Unresolvable: keep the rest as written so the caller's open fails cleanly.
            for (qsizetype j = i; j < components.size(); ++j) {
                current = QDir(current).filePath(components[j]);
            }
            return current;
        }
        current = QDir(current).filePath(found);
    }
    return current;
}

}  // namespace

QString driveTypeText(DriveType type) {
    switch (type) {
        case DriveType::Fixed:
            return QStringLiteral("Disque Dur");
        case DriveType::Network:
            return QStringLiteral("Lecteur réseau");
        case DriveType::Cd:
            return QStringLiteral("Lecteur CD");
        case DriveType::Unknown:
            break;
    }
    return QStringLiteral("Inconnu");
}

void DriveTable::set(QChar letter, const QString& hostRoot, DriveType type) {
    drives_.insert(letter.toUpper(), Drive{cleanRoot(hostRoot), type});
}

void DriveTable::remove(QChar letter) {
    drives_.remove(letter.toUpper());
}

const DriveTable::Drive* DriveTable::drive(QChar letter) const {
    auto it = drives_.constFind(letter.toUpper());
    return it == drives_.constEnd() ? nullptr : &it.value();
}

DriveType DriveTable::type(QChar letter) const {
    const Drive* d = drive(letter);
    return d ? d->type : DriveType::Unknown;
}

bool DriveTable::exists(const QString& windowsPath) const {
    const QString host = toHost(windowsPath);
    return !host.isEmpty() && QFileInfo::exists(host);
}

QString DriveTable::firstDriveHolding(const QString& pathWithoutDrive) const {
    for (char c = 'A'; c <= 'Z'; ++c) {
        const QChar letter = QLatin1Char(c);
        const QString drive = QString(letter) + QLatin1Char(':');
        if (type(letter) != DriveType::Unknown && exists(drive + pathWithoutDrive)) {
            return drive;
        }
    }
    return {};
}

QString DriveTable::toHost(const QString& windowsPath) const {
    const QChar letter = winpath::hasDrive(windowsPath) ? winpath::driveLetter(windowsPath) : u'C';
    const Drive* d = drive(letter);
    if (!d) {
        return {};
    }
    // Either slash separates; splitting on one character spares a pattern compiled per path.
    QString rest = winpath::hasDrive(windowsPath) ? windowsPath.mid(2) : windowsPath;
    rest.replace(u'/', u'\\');
    QStringList components;
    for (const QString& part : rest.split(u'\\', Qt::SkipEmptyParts)) {
        if (part == "..") {
            if (!components.isEmpty()) {
                components.removeLast();
            }
        } else if (part != ".") {
            components.append(part);
        }
    }
    return resolveBelow(d->root, components);
}

QString DriveTable::toWindows(const QString& hostPath) const {
    const QString path = QDir::cleanPath(QFileInfo(hostPath).absoluteFilePath());
    QChar best;
    qsizetype bestLength = -1;
    for (auto it = drives_.constBegin(); it != drives_.constEnd(); ++it) {
        const QString& root = it.value().root;
        const bool under = root == "/" || path == root || path.startsWith(root + u'/');
        if (under && root.size() > bestLength) {
            best = it.key();
            bestLength = root.size();
        }
    }
    if (bestLength < 0) {
        return {};
    }
    QString rest = bestLength == 1 ? path : path.mid(bestLength);
    if (rest.isEmpty()) {
        rest = QStringLiteral("/");
    }
    rest.replace(u'/', u'\\');
    return QString(best) + u':' + rest;
}

QString DriveTable::outsideToHost(const QString& path) const {
    return winpath::hasDrive(path) ? toHost(path) : path;
}

QString DriveTable::outsideToWindows(const QString& path) const {
    return winpath::hasDrive(path) ? path : toWindows(path);
}

DriveTable DriveTable::fromMounts(const QString& mountsText, const QString& drivesIniText) {
    DriveTable table;
    table.set(u'C', QStringLiteral("/"), DriveType::Fixed);
    char16_t next = u'D';
    for (const QString& line : mountsText.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        if (fields.size() < 3 || next > u'Z') {
            continue;
        }
        const DriveType type = mountType(fields[2]);
        if (type != DriveType::Fixed) {
            table.set(QChar(next++), unescapeMount(fields[1]), type);
        }
    }
    for (const QString& raw : drivesIniText.split(u'\n', Qt::SkipEmptyParts)) {
        const QString line = raw.trimmed();
        const qsizetype eq = line.indexOf(u'=');
        if (eq != 1 || !line[0].isLetter() || line[0].unicode() >= 128) {
            continue;
        }
        const QString value = line.mid(2);
        const qsizetype comma = value.lastIndexOf(u',');
        const QString root = comma < 0 ? value : value.left(comma);
        const DriveType type = comma < 0 ? DriveType::Fixed : typeFromWord(value.mid(comma + 1));
        if (!root.trimmed().isEmpty()) {
            table.set(line[0], root.trimmed(), type);
        }
    }
    return table;
}

DriveTable DriveTable::system(const QString& appDirHost) {
    auto readText = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    };
    return fromMounts(readText(QStringLiteral("/proc/self/mounts")),
                      readText(QDir(appDirHost).filePath(QStringLiteral("drives.ini"))));
}

}  // namespace ztv
