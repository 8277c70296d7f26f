#include "common/platform/WinPath.h"

namespace ztv::winpath {

bool hasDrive(const QString& path) {
    return path.size() >= 2 && path[1] == u':' && path[0].isLetter() && path[0].unicode() < 128;
}

QChar driveLetter(const QString& path) {
    return hasDrive(path) ? path[0].toUpper() : QChar();
}

QString withoutDrive(const QString& path) {
    return path.mid(2);
}

static qsizetype lastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
}

QString fileName(const QString& path) {
    const qsizetype cut = std::max(lastSeparator(path), hasDrive(path) ? qsizetype(1) : -1);
    return path.mid(cut + 1);
}

QString directory(const QString& path) {
    const qsizetype cut = lastSeparator(path);
    return cut < 0 ? QString() : path.left(cut);
}

QString extension(const QString& path) {
    const QString name = fileName(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot);
}

QString join(const QString& dir, const QString& name) {
    if (dir.endsWith(u'\\')) {
        return dir + name;
    }
    return dir + u'\\' + name;
}

bool sameFile(const QString& a, const QString& b) {
    QString x = a, y = b;
    x.replace(u'/', u'\\');
    y.replace(u'/', u'\\');
    return x.compare(y, Qt::CaseInsensitive) == 0;
}

}  // namespace ztv::winpath
