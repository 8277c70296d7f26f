#include "common/formats/ProjectFileCheck.h"

#include "common/formats/ElementRecord.h"
#include "common/formats/LangLines.h"
#include "common/formats/PageTable.h"
#include "common/formats/ProjectSettings.h"
#include "common/formats/RecordLayouts.h"
#include "common/platform/FileIo.h"
#include "common/platform/SafetyLimits.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ztv {
namespace {

constexpr qint64 kRecordsPerRead = 4096;
constexpr int kTitleLengthOffset = 4;
constexpr int kTitleCapacity = 200;

// The size first (whole records, under the cap), then every record from index 1.
template <class WellFormed>
ProjectFileCheck checkRecordFile(const QString& hostPath, int recordSize, WellFormed wellFormed) {
    const QFileInfo info(hostPath);
    if (!info.isFile()) {
        return {ProjectFault::Missing, hostPath};
    }
    if (info.size() > limits::kMaxProjectFileSize) {
        return {ProjectFault::TooLarge, hostPath};
    }
    if (info.size() % recordSize != 0) {
        return {ProjectFault::NotWholeRecords, hostPath};
    }
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return {ProjectFault::Unreadable, hostPath};
    }
    for (qint64 at = recordSize; at < info.size(); at += kRecordsPerRead * recordSize) {
        const QByteArray chunk =
            file.seek(at) ? file.read(kRecordsPerRead * recordSize) : QByteArray();
        if (chunk.isEmpty() || chunk.size() % recordSize != 0) {
            return {ProjectFault::Unreadable, hostPath};
        }
        for (qsizetype r = 0; r < chunk.size(); r += recordSize) {
            if (!wellFormed(chunk.constData() + r)) {
                return {ProjectFault::MalformedRecord, hostPath};
            }
        }
    }
    return {};
}

// What each fault of a file that is there says: the language line of the editor's and the
// builder's message, and the reason ztvtool gives in English.
struct FaultWords {
    ProjectFault fault;
    int line;
    const char* english;
};

constexpr FaultWords kFaultWords[] = {
    {ProjectFault::NotWholeRecords, lang::ProjectNotWholeRecords,
     "its size is not a whole number of records"},
    {ProjectFault::TooLarge, lang::ProjectFileTooLarge, "larger than any project file"},
    {ProjectFault::MalformedRecord, lang::ProjectRecordMalformed,
     "a record holds a string longer than its field"},
    {ProjectFault::NotText, lang::SettingsNotText, "the settings file is not text"},
    {ProjectFault::CutShort, lang::SettingsCutShort, "the settings file is cut short"},
};

const FaultWords* wordsFor(ProjectFault fault) {
    for (const FaultWords& words : kFaultWords) {
        if (words.fault == fault) {
            return &words;
        }
    }
    return nullptr;
}

QString siblingPath(const QFileInfo& project, const QString& extension) {
    const QString name = project.completeBaseName() + extension;
    const QString found = findEntryNoCase(project.absolutePath(), name);
    return QDir(project.absolutePath()).filePath(found.isEmpty() ? name : found);
}

}  // namespace

ProjectFileCheck checkPageTable(const QString& hostPath) {
    return checkRecordFile(hostPath, kPageTableRecordSize, [](const char* record) {
        return static_cast<unsigned char>(record[kTitleLengthOffset]) <= kTitleCapacity;
    });
}

ProjectFileCheck checkContainer(const QString& hostPath) {
    return checkRecordFile(hostPath, kProjectRecordSize, [](const char* record) {
        return recordlayouts::projectRecordIsWellFormed(
            recordlayouts::ProjectBytes(record, kProjectRecordSize));
    });
}

ProjectFileCheck checkSettingsFile(const QString& hostPath) {
    const QFileInfo info(hostPath);
    if (!info.isFile()) {
        return {ProjectFault::Missing, hostPath};
    }
    if (info.size() > limits::kMaxSettingsFileSize) {
        return {ProjectFault::TooLarge, hostPath};
    }
    QFile file(hostPath);
    ProjectSettings settings;
    if (!file.open(QIODevice::ReadOnly) || !settings.load(hostPath)) {
        return {ProjectFault::Unreadable, hostPath};
    }
    if (file.readAll().contains('\0')) {
        return {ProjectFault::NotText, hostPath};
    }
    // A file of a former version may have fewer lines; its format mark says so.
    const int needed = settings.isCurrentVersion() ? ProjectSettings::MaskColour + 1
                                                   : ProjectSettings::Version + 1;
    if (settings.lines().count() < needed) {
        return {ProjectFault::CutShort, hostPath};
    }
    return {};
}

ProjectFileCheck checkSavedProject(const QString& pzvHost) {
    if (ProjectFileCheck table = checkPageTable(pzvHost); !table.ok()) {
        return table;
    }
    const QFileInfo project(pzvHost);
    if (ProjectFileCheck settings = checkSettingsFile(siblingPath(project, ".ini"));
        !settings.ok()) {
        return settings;
    }
    const QString container = siblingPath(project, ".ZTV");
    return QFileInfo(container).isFile() ? checkContainer(container) : ProjectFileCheck{};
}

QString describe(const ProjectFileCheck& check) {
    switch (check.fault) {
        case ProjectFault::None:
            return {};
        case ProjectFault::Missing:
            return QStringLiteral("%1: no such file").arg(check.fileHost);
        case ProjectFault::Unreadable:
            return QStringLiteral("%1: cannot be read").arg(check.fileHost);
        default:
            return QStringLiteral("%1: not a valid project: %2")
                .arg(check.fileHost, QLatin1String(wordsFor(check.fault)->english));
    }
}

QString faultMessage(const ProjectFileCheck& check, const std::function<QString(int)>& text) {
    if (check.fault == ProjectFault::Missing) {
        return check.fileHost + u' ' + text(lang::NotFoundSuffix);
    }
    const FaultWords* words = wordsFor(check.fault);
    return text(lang::FilePrefix) + u' ' + check.fileHost + u' ' +
           text(lang::NotAValidProjectSuffix) + u'\n' +
           text(words ? words->line : lang::ProjectFileUnreadable);
}

}  // namespace ztv
