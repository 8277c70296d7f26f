#include "fuzz/FuzzTargets.h"

#include "common/archives/CabinetFile.h"
#include "common/archives/ElfImage.h"
#include "common/archives/EntryReader.h"
#include "common/formats/AniCursor.h"
#include "common/formats/AnimatedPicture.h"
#include "common/formats/Container.h"
#include "common/formats/ElementRecord.h"
#include "common/formats/JpegCodec.h"
#include "common/formats/KeywordTable.h"
#include "common/formats/LanguageFile.h"
#include "common/formats/NumberedLines.h"
#include "common/formats/PageTable.h"
#include "common/formats/PictureLoader.h"
#include "common/formats/ProjectSettings.h"
#include "common/formats/RecordLayouts.h"
#include "common/formats/RichTextReader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextDocument>

#include <algorithm>
#include <cstdlib>

namespace ztv::fuzz {
namespace {

QByteArray bytesOf(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A folder of this process for the readers that take a path, removed when the process ends.
// (Held on the heap so that it outlives every static destructor that could run before.)
QString scratchDir() {
    static const QString* dir = [] {
        auto* path = new QString(QDir::temp().filePath(
            QStringLiteral("ztv-fuzz-%1").arg(QCoreApplication::applicationPid())));
        QDir(*path).removeRecursively();
        QDir().mkpath(*path);
        std::atexit([] { QDir(scratchDir()).removeRecursively(); });
        return path;
    }();
    return *dir;
}

QString scratchFile(const QByteArray& content) {
    const QString path = scratchDir() + QStringLiteral("/input");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
    return path;
}

// The byte-range moves between the layouts must equal decoding and encoding again.
bool layoutMovesAgree(const QByteArray& bytes, const ElementRecord& page,
                      const ElementRecord& project, std::int32_t number) {
    if (bytes.size() < kPageRecordSize)
        return true;
    const recordlayouts::ProjectBytes projectBytes(bytes.constData(), kProjectRecordSize);
    const recordlayouts::PageBytes pageBytes(bytes.constData(), kPageRecordSize);
    QByteArray asPage(kPageRecordSize, '\0');
    QByteArray asProject(kProjectRecordSize, '\0');
    recordlayouts::projectToPage(projectBytes,
                                 std::span<char, kPageRecordSize>(asPage.data(), kPageRecordSize));
    recordlayouts::pageToProject(
        pageBytes, number,
        std::span<char, kProjectRecordSize>(asProject.data(), kProjectRecordSize));
    return asPage == encodePageRecord(project) && asProject == encodeProjectRecord(page, number) &&
           recordlayouts::projectRecordIsAbsent(projectBytes) == project.isAbsent() &&
           recordlayouts::pageRecordIsAbsent(pageBytes) == page.isAbsent();
}

void records(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = bytesOf(data, size);
    const ElementRecord page = decodePageRecord(bytes);
    std::int32_t number = 0;
    const ElementRecord project = decodeProjectRecord(bytes, &number);
    if (encodePageRecord(page).size() != kPageRecordSize ||
        encodeProjectRecord(project, number).size() != kProjectRecordSize ||
        !layoutMovesAgree(bytes, page, project, number))
        __builtin_trap();
}

void pageTable(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = bytesOf(data, size);
    pagetable::decode(bytes);
    const QString file = scratchFile(bytes);
    pagetable::readAll(file);
    pagetable::readLive(file);
}

void keywordTable(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = bytesOf(data, size);
    keywordtable::decode(bytes);
    const QString file = scratchFile(bytes);
    keywordtable::readAll(file);
    keywordtable::readUsed(file);
}

void settings(const std::uint8_t* data, std::size_t size) {
    NumberedLines lines;
    lines.load(scratchFile(bytesOf(data, size)));
    const ProjectSettings project(lines);
    project.width();
    project.height();
    project.firstPage();
    project.maskColour();
    project.isCurrentVersion();
}

void language(const std::uint8_t* data, std::size_t size) {
    LanguageFile file;
    file.load(scratchFile(bytesOf(data, size)));
    for (int n = -1; n <= std::min(file.lineCount(), 1000) + 1; ++n)
        file.text(n);
}

void container(const std::uint8_t* data, std::size_t size) {
    const QString target = scratchDir() + QStringLiteral("/split");
    QDir(target).removeRecursively();
    QDir().mkpath(target);
    splitContainer(scratchFile(bytesOf(data, size)), target, size % 2 == 1);
}

void entries(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes = bytesOf(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    // Appended data starts where a program's image ends; other files are entries throughout.
    EntryReader reader(&buffer, elfImageSize(buffer).value_or(0));
    reader.rewind();
    QStringList names;
    while (const auto header = reader.next())
        names.append(header->name);
    names.append(QStringLiteral("\\images\\missing.jpg"));
    // Looked up backwards, so every search but the first needs its rewind.
    std::reverse(names.begin(), names.end());
    for (const QString& name : names) {
        entryExtractionName(name);
        if (reader.findEntry(name))
            reader.readContent();
    }
    const QString target = scratchDir() + QStringLiteral("/entries");
    QDir(target).removeRecursively();
    QDir().mkpath(target);
    if (!names.isEmpty() && reader.findEntry(names.last()))
        reader.extractTo(target, names.last());
}

void cabinet(const std::uint8_t* data, std::size_t size) {
    const QString target = scratchDir() + QStringLiteral("/cabinet");
    QDir(target).removeRecursively();
    CabinetFile cab;
    cab.CABFile = scratchFile(bytesOf(data, size));
    cab.TargetPath = target;
    if (!cab.listContents())
        return;
    cab.extractAll();
    if (!cab.CABFileContents.isEmpty()) {
        cab.CABFileContents.last().selected = true;
        cab.extractSelected();
        cab.extractFile(cab.CABFileContents.first().Name);
    }
}

void jpegPicture(const std::uint8_t* data, std::size_t size) {
    jpeg::decode(bytesOf(data, size));
}

void bmpPicture(const std::uint8_t* data, std::size_t size) {
    decodePicture(bytesOf(data, size), PictureKind::Bitmap);
}

void icoPicture(const std::uint8_t* data, std::size_t size) {
    decodePicture(bytesOf(data, size), PictureKind::Icon);
}

void gifPicture(const std::uint8_t* data, std::size_t size) {
    AnimatedPicture gif;
    if (gif.load(bytesOf(data, size)) != GifError::None)
        return;
    // A small canvas keeps each run fast; the frames' places still go through the scaling.
    const QSize canvas(std::min(gif.size().width(), 64), std::min(gif.size().height(), 64));
    gif.composeFrames(8, canvas, 0xFFFF00FFu, FrameScale{1, 2, 3, 2});
    gif.composeFrame(std::min(gif.frameCount() - 1, 3));
}

void cursor(const std::uint8_t* data, std::size_t size) {
    cursorFromAni(bytesOf(data, size));
}

// The default code page follows the input's length, so both the Western and another decoder
// are fuzzed; the built document is then laid out as the long-text box would.
void richText(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = bytesOf(data, size);
    QTextDocument document;
    readRichText(bytes, document, nullptr, RichTextOptions{size % 2 ? 1251 : 1252});
    document.setTextWidth(200);
    document.size();
}

}  // namespace

const std::vector<Target>& targets() {
    static const std::vector<Target> all = {
        {"records", records},   {"page_table", pageTable}, {"keyword_table", keywordTable},
        {"settings", settings}, {"language", language},    {"container", container},
        {"entries", entries},   {"jpeg", jpegPicture},     {"bmp", bmpPicture},
        {"ico", icoPicture},    {"gif", gifPicture},       {"cursor", cursor},
        {"cabinet", cabinet},   {"rtf", richText},
    };
    return all;
}

const Target* findTarget(std::string_view name) {
    for (const Target& target : targets())
        if (name == target.name)
            return &target;
    return nullptr;
}

}  // namespace ztv::fuzz
