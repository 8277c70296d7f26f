#pragma once

#include "common/builder/ApplicationBuild.h"
#include "common/builder/MediaData.h"

#include <QDir>
#include <QMap>
#include <QSet>

namespace ztv::builder {

// The names of the files a build writes into its output folder, and the state its steps share.
struct BuildJob {
    BuildRequest request;
    const LanguageFile& language;  // the vocabulary the project's records store
    const LanguageFile& messages;
    const DriveTable& drives;
    Prompter& prompter;
    BuildHooks hooks;
    QString name;                 // N
    QStringList archivesWritten;  // in the order the player must find them
    QString error;                // details of the last failure, for the log
    // The media data files of an uncompressed build, by file name: they go straight into the
    // program instead of into the output folder.
    QMap<QString, MediaData> streamedMediaData;

    QString text(int line) const { return messages.text(line); }
    QString out(const QString& fileName) const {
        return QDir(request.outputHost).filePath(fileName);
    }
    QString workDir() const { return out(QStringLiteral("base")); }
    QString container() const { return name + QStringLiteral(".ztv"); }
    QString settings() const { return name + QStringLiteral(".ini"); }
    QString keywords() const { return name + QStringLiteral(".pmg"); }
    QString projectArchive() const { return name + QStringLiteral(".cab"); }
    QString mediaDataName(std::int32_t page) const {
        return QString::number(page) + QStringLiteral(".cds");
    }
    // Without archives, nothing reads a media data file before the program does.
    bool streamsMediaData() const { return request.options.compression == Compression::None; }
    static QString playerCopy() { return QStringLiteral("ztvplay"); }
    static QString playerLanguage() { return QStringLiteral("rlang.asc"); }
    // Names, lower-cased, that no copied media file may take.
    QSet<QString> reservedNames() const;
    // The files of the output folder (hidden ones included), without its folders.
    QStringList outputFiles() const;
    // The stored form of a host path: the Windows path without its drive; empty when no drive
    // holds it.
    QString storedPath(const QString& host) const;
    void say(const QString& text) const { prompter.message(text); }
    void status(int line) const {
        if (hooks.status)
            hooks.status(text(line));
    }
    void progress(int value, int maximum) const {
        if (hooks.progress)
            hooks.progress(value, maximum);
    }
};

// An archive of the given files (MSZIP, the only type the builder writes); false with the
// job's error when the writer fails.
bool writeArchive(BuildJob& job, const QString& archiveHost, const QStringList& filesHost);

}  // namespace ztv::builder
