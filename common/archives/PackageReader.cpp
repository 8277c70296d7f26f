#include "common/archives/PackageReader.h"

#include "common/archives/ElfImage.h"
#include "common/archives/EntryReader.h"
#include "common/platform/ConfinedFile.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace ztv {

QString lowerExtension(const QString& name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot).toLower();
}

void PackageReader::reset() {
    program_.close();
    entriesStart_ = 0;
    entryFound_ = false;
    archiveMode_ = false;
    archive_ = CabinetFile();
    archiveExtracted_.clear();
    extracted_.clear();
    target_.clear();
}

bool PackageReader::openProgram(const QString& programHost) {
    program_.close();
    program_.setFileName(programHost);
    if (!program_.open(QIODevice::ReadOnly))
        return false;
    const auto image = elfImageSize(program_);
    entriesStart_ = image.value_or(program_.size());
    return image && program_.size() > *image;
}

bool PackageReader::openArchive(const QString& cabHost) {
    archiveMode_ = true;
    archive_ = CabinetFile();
    archive_.CABFile = cabHost;
    archive_.TargetPath = target_;
    return archive_.listContents();
}

bool PackageReader::extractWholeArchive() {
    if (!archiveMode_)
        return false;
    archive_.TargetPath = target_;
    const bool ok = archive_.extractAll();
    for (const CabinetEntry& entry : std::as_const(archive_.CABFileContents)) {
        const auto components = confinedComponents(entry.Name);
        const QString path = components ? confinedPath(target_, *components) : QString();
        if (!path.isEmpty() && QFileInfo(path).isFile())
            noteExtracted(path);
    }
    return ok;
}

bool PackageReader::findByName(const QString& name) {
    const QString wanted = name.toLower();
    const auto matches = [&](const QString& stored) {
        return entryExtractionName(stored).toLower() == wanted;
    };
    return archiveMode_ ? findInArchive(matches, nullptr) : findEntry(matches, nullptr);
}

QString PackageReader::findByExtension(const QString& extension) {
    const auto matches = [&](const QString& stored) {
        return lowerExtension(entryExtractionName(stored)) == extension;
    };
    QString stored;
    const bool found = archiveMode_ ? findInArchive(matches, &stored) : findEntry(matches, &stored);
    return found ? stored : kNotFound;
}

// Every search walks the entries again from their start.
bool PackageReader::findEntry(const std::function<bool(const QString&)>& matches, QString* stored) {
    entryFound_ = false;
    if (!program_.isOpen() || !program_.seek(entriesStart_))
        return false;
    EntryReader reader(&program_, entriesStart_);
    while (const auto header = reader.next()) {
        if (matches(header->name)) {
            entryFound_ = true;
            sizeFieldAt_ = header->headerOffset + kEntryNameFieldSize;
            foundName_ = header->name;
            if (stored)
                *stored = header->name;
            return true;
        }
    }
    return false;
}

// The first matching file of the archive's contents is extracted alone, flat into the target.
bool PackageReader::findInArchive(const std::function<bool(const QString&)>& matches,
                                  QString* stored) {
    archiveExtracted_.clear();
    for (const CabinetEntry& entry : std::as_const(archive_.CABFileContents)) {
        if (!matches(entry.Name))
            continue;
        archive_.TargetPath = target_;
        if (!archive_.extractFile(entry.Name) || archive_.lastExtractedPath().isEmpty())
            return false;
        QString path = archive_.lastExtractedPath();
        const QString flat = QDir(target_).filePath(entryExtractionName(entry.Name));
        if (QFileInfo(path).absolutePath() != QFileInfo(flat).absolutePath() &&
            std::rename(QFile::encodeName(path).constData(), QFile::encodeName(flat).constData()) ==
                0)
            path = flat;
        QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner);
        if (!QFileInfo(path).isFile())
            return false;
        noteExtracted(path);
        archiveExtracted_ = path;
        if (stored)
            *stored = entry.Name;
        return true;
    }
    return false;
}

std::optional<QString> PackageReader::bringTo(const QString& fileName) {
    const QString name = entryExtractionName(fileName);
    if (name.isEmpty())
        return std::nullopt;
    const QString destination = QDir(target_).filePath(name);
    if (archiveMode_) {
        if (archiveExtracted_.isEmpty() || !QFileInfo(archiveExtracted_).isFile())
            return std::nullopt;
        if (archiveExtracted_ != destination &&
            std::rename(QFile::encodeName(archiveExtracted_).constData(),
                        QFile::encodeName(destination).constData()) != 0)
            return std::nullopt;
        archiveExtracted_ = destination;
        noteExtracted(destination);
        return destination;
    }
    if (QFileInfo(destination).isFile())
        return destination;
    if (!entryFound_ || !program_.seek(sizeFieldAt_))
        return std::nullopt;
    const auto written = EntryReader(&program_, entriesStart_).extractTo(target_, name);
    if (!written)
        return std::nullopt;
    QFile::setPermissions(*written, QFile::permissions(*written) | QFile::WriteOwner);
    noteExtracted(*written);
    return written;
}

void PackageReader::noteExtracted(const QString& hostPath) {
    if (!extracted_.contains(hostPath))
        extracted_.append(hostPath);
}

}  // namespace ztv
