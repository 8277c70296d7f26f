#include "editor/document/WorkingCopy.h"

#include "common/formats/Container.h"
#include "common/formats/KeywordTable.h"
#include "common/formats/PageTable.h"
#include "common/formats/ProjectSettings.h"
#include "common/platform/FileIo.h"
#include "common/platform/StagedFiles.h"

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

// A working copy begun before it had settings (or with some lines missing) takes the lines it
// lacks from the template.
void completeFromTemplate(ProjectSettings& settings, const QString& templateHost) {
    NumberedLines model;
    model.load(templateHost);
    for (int n = settings.lines().count(); n < model.count(); ++n) {
        settings.lines().setLine(n, model.line(n));
    }
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
    result.containerHost = sibling(projectHost, QStringLiteral(".ZTV"));
    settings.lines().setLine(ProjectSettings::ContainerPath,
                             drives.toWindows(result.containerHost));
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
    if (!QFileInfo::exists(result.containerHost)) {
        result.containerMissing = true;
    } else if (const SplitResult split = splitContainer(result.containerHost, dirHost, true);
               !split.ok) {
        result.status = LoadResult::ContainerUnreadable;
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

bool moveInto(const QString& stagingDirHost, const QString& dirHost) {
    if (!empty(dirHost)) {
        return false;
    }
    const QDir staging(stagingDirHost);
    bool ok = true;
    for (const QString& name : staging.entryList(QDir::Files | QDir::Hidden)) {
        ok = QFile::rename(staging.filePath(name), QDir(dirHost).filePath(name)) && ok;
    }
    return ok;
}

SaveResult saveProject(const QString& dirHost, const QString& projectHost,
                       const QString& templateHost, const DriveTable& drives) {
    SaveResult result;
    const auto pages = pagetable::readAll(pageTablePath(dirHost));
    if (!pages || pages->isEmpty()) {
        result.status = SaveResult::NoPages;
        return result;
    }
    // The working settings name the container the saved project will have.
    const QString settingsHost = settingsPath(dirHost);
    ProjectSettings settings;
    settings.load(settingsHost);
    completeFromTemplate(settings, templateHost);
    if (!settings.isCurrentVersion()) {
        result.error = QStringLiteral("%1: no format mark, the project could not be reopened")
                           .arg(settingsHost);
        return result;
    }
    const QString container = sibling(projectHost, QStringLiteral(".ZTV"));
    settings.lines().setLine(ProjectSettings::ContainerPath, drives.toWindows(container));
    if (!settings.save(settingsHost, &result.error)) {
        return result;
    }

    StagedFiles staged;
    const QString keywordsHost = keywordsPath(dirHost);
    const bool hasKeywords = !keywordtable::readUsed(keywordsHost).isEmpty();
    const auto packed = packContainerData(dirHost, *pages, &result.error);
    if (!packed || !staged.stageCopy(pageTablePath(dirHost), projectHost) ||
        !staged.stageCopy(settingsHost, sibling(projectHost, QStringLiteral(".ini"))) ||
        !staged.stage(container, *packed) ||
        (hasKeywords &&
         !staged.stageCopy(keywordsHost, sibling(projectHost, QStringLiteral(".PMG")))) ||
        !staged.commit()) {
        if (result.error.isEmpty()) {
            result.error = staged.errorString();
        }
        return result;
    }
    if (!hasKeywords) {
        const QFileInfo project(projectHost);
        const QString old =
            findEntryNoCase(project.absolutePath(), project.completeBaseName() + ".PMG");
        if (!old.isEmpty()) {
            QFile::remove(QDir(project.absolutePath()).filePath(old));
        }
        if (QFileInfo::exists(keywordsHost) && QFileInfo(keywordsHost).size() == 0) {
            QFile::remove(keywordsHost);
        }
    }
    result.status = SaveResult::Saved;
    return result;
}

bool createProject(const QString& dirHost, const QString& templateHost, const QString& untitledName,
                   QString* error) {
    ProjectSettings settings;
    if (!settings.load(templateHost)) {
        if (error) {
            *error = QStringLiteral("%1: cannot be read").arg(templateHost);
        }
        return false;
    }
    settings.lines().setLine(ProjectSettings::ContainerPath, untitledName);
    settings.lines().setLine(ProjectSettings::Width,
                             QString::number(ProjectSettings::kDefaultWidth));
    settings.lines().setLine(ProjectSettings::Height,
                             QString::number(ProjectSettings::kDefaultHeight));
    settings.lines().setLine(ProjectSettings::FirstPage, QStringLiteral("1"));
    return settings.save(settingsPath(dirHost), error) &&
           pagetable::write(pageTablePath(dirHost), {}, error);
}

}  // namespace ztv::editor::workingcopy
