#include "common/platform/ConfinedFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <cstdio>

namespace ztv {

std::optional<QStringList> confinedComponents(const QString& storedName) {
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    QStringList parts;
    for (const QString& part : storedName.split(separators, Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..") || part.contains(u':') || part.contains(QChar(0)))
            return std::nullopt;
        parts.append(part);
    }
    if (parts.isEmpty())
        return std::nullopt;
    return parts;
}

namespace {

// Creates the folders of the components inside the target, refusing links and files in the
// way; answers the folder the file goes into.
std::optional<QString> makeFolders(const QString& targetDirHost, const QStringList& components) {
    QString folder = QFileInfo(targetDirHost).canonicalFilePath();
    if (folder.isEmpty())
        return std::nullopt;
    for (qsizetype i = 0; i + 1 < components.size(); ++i) {
        folder += u'/' + components[i];
        const QFileInfo info(folder);
        if (info.isSymLink())
            return std::nullopt;
        if (!info.exists() && !QDir().mkdir(folder))
            return std::nullopt;
        if (!QFileInfo(folder).isDir())
            return std::nullopt;
    }
    return folder;
}

}  // namespace

QString confinedPath(const QString& targetDirHost, const QStringList& components) {
    const QString root = QFileInfo(targetDirHost).canonicalFilePath();
    if (root.isEmpty() || components.isEmpty())
        return {};
    return root + u'/' + components.join(u'/');
}

ConfinedFile::ConfinedFile() = default;
ConfinedFile::~ConfinedFile() = default;

bool ConfinedFile::open(const QString& targetDirHost, const QStringList& components) {
    if (components.isEmpty())
        return false;
    const auto folder = makeFolders(targetDirHost, components);
    if (!folder)
        return false;
    finalPath_ = *folder + u'/' + components.last();
    if (QFileInfo(finalPath_).isDir() && !QFileInfo(finalPath_).isSymLink())
        return false;
    temp_ = std::make_unique<QTemporaryFile>(*folder + QStringLiteral("/.ztv-XXXXXX"));
    return temp_->open();
}

QFile& ConfinedFile::file() {
    return *temp_;
}

bool ConfinedFile::commit(const std::optional<QDateTime>& modified) {
    if (!temp_ || !temp_->flush())
        return false;
    if (modified && modified->isValid())
        temp_->setFileTime(*modified, QFileDevice::FileModificationTime);
    temp_->setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                          QFile::ReadOther);
    // POSIX rename replaces the old file, or a link in its place, without following it.
    if (std::rename(QFile::encodeName(temp_->fileName()).constData(),
                    QFile::encodeName(finalPath_).constData()) != 0)
        return false;
    temp_->setAutoRemove(false);
    temp_->close();
    return true;
}

}  // namespace ztv
