#include "editor/WorkingCopy.h"

#include "common/Container.h"
#include "common/KeywordTable.h"
#include "common/PageTable.h"
#include "common/ProjectSettings.h"
#include "common/platform/FileIo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ztv::editor::workingcopy {

namespace {

QString existingOrCanonical(const QString& dirHost, const QString& name) {
    const QString found = findEntryNoCase(dirHost, name);
    return QDir(dirHost).filePath(found.isEmpty() ? name : found);
}

// NAME + extension beside the project file, whatever the case of the extension on disk.
QString sibling(const QString& projectHost, const QString& extension) {
    const QFileInfo info(projectHost);
    return existingOrCanonical(info.absolutePath(), info.completeBaseName() + extension);
}

}  // namespace

QString pageTablePath(const QString& dirHost) {
    return existingOrCanonical(dirHost, QStringLiteral("PAGES.TAE"));
}

QString settingsPath(const QString& dirHost) {
    return existingOrCanonical(dirHost, QStringLiteral("$inip.ini"));
}

QString keywordsPath(const QString& dirHost) {
    return existingOrCanonical(dirHost, QStringLiteral("MOTS.PMG"));
}

bool holdsWork(const QString& dirHost) {
    const auto pages = pagetable::readAll(pageTablePath(dirHost));
    return pages && !pages->isEmpty();
}

bool empty(const QString& dirHost) {
    const QDir dir(dirHost);
    bool ok = true;
    const auto entries =
        dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink() || !entry.isFile()) {
            continue;
        }
        QFile file(entry.filePath());
        file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
        ok = file.remove() && ok;
    }
    return ok;
}

LoadResult loadProject(const QString& projectHost, const QString& dirHost,
                       const DriveTable& drives) {
    LoadResult result;
    const QString settingsHost = settingsPath(dirHost);
    QString error;
    if (!copyFileAtomically(projectHost, pageTablePath(dirHost), &error) ||
        !copyFileAtomically(sibling(projectHost, QStringLiteral(".ini")), settingsHost, &error)) {
        result.error = error;
        return result;
    }
    ProjectSettings settings;
    settings.load(settingsHost);
    const QString container = sibling(projectHost, QStringLiteral(".ZTV"));
    settings.lines().setLine(ProjectSettings::ContainerPath, drives.toWindows(container));
    result.width = settings.width();
    result.height = settings.height();
    result.settingsFlag = settings.line(ProjectSettings::Transparent) != QStringLiteral("$");
    if (!settings.isCurrentVersion()) {
        result.status = LoadResult::OldFormat;
        return result;
    }
    if (!settings.save(settingsHost, &error)) {
        result.error = error;
        return result;
    }
    if (!QFileInfo::exists(container)) {
        result.containerMissing = true;
    } else if (const SplitResult split = splitContainer(container, dirHost, true); !split.ok) {
        result.error = split.error;
        return result;
    }
    const QString keywords = sibling(projectHost, QStringLiteral(".PMG"));
    if (QFileInfo(keywords).size() > 0 &&
        !copyFileAtomically(keywords, keywordsPath(dirHost), &error)) {
        result.error = error;
        return result;
    }
    result.status = LoadResult::Loaded;
    return result;
}

}  // namespace ztv::editor::workingcopy
