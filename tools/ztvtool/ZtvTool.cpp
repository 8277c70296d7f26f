#include "tools/ztvtool/ZtvTool.h"

#include "common/Container.h"
#include "common/ElementRecord.h"
#include "common/KeywordTable.h"
#include "common/PageTable.h"
#include "common/ProjectFileCheck.h"
#include "common/ProjectSettings.h"
#include "common/platform/AppPaths.h"
#include "common/platform/FileIo.h"
#include "common/platform/RecordFile.h"
#include "tools/effects/EffectGallery.h"
#include "tools/ztvtool/ArchiveCommands.h"
#include "tools/ztvtool/BuildCommand.h"
#include "tools/ztvtool/RecordJson.h"
#include "tools/ztvtool/ToolFailure.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <functional>

namespace ztv::tool {
namespace {

const char* kUsage =
    "usage: ztvtool dump FILE | split CONTAINER DIR | pack DIR OUT | info PROJECT.PZV | "
    "effects DIR | cab create|list|extract ... | entries list|extract ... | build PROJECT.PZV ...";

// Reads every whole record of a file whose size must be a multiple of the record size.
QList<QByteArray> readRecords(const QString& path, int recordSize) {
    const QFileInfo info(path);
    if (!info.isFile()) {
        throw Failure{QStringLiteral("%1: no such file").arg(path)};
    }
    if (info.size() % recordSize != 0) {
        throw Failure{QStringLiteral("%1: size %2 is not a multiple of the %3-byte record")
                          .arg(path)
                          .arg(info.size())
                          .arg(recordSize)};
    }
    auto records = RecordFile::readAll(path, recordSize);
    if (!records) {
        throw Failure{QStringLiteral("%1: cannot be read").arg(path)};
    }
    return *records;
}

using Printer = std::function<QString(qint64, const QByteArray&)>;

struct DumpFormat {
    int recordSize;
    Printer print;
};

std::optional<DumpFormat> formatFor(const QString& path) {
    const QString ext = QFileInfo(path).suffix().toUpper();
    if (ext == "JOU" || ext == "ACT" || ext == "COP" || ext == "ANC") {
        return DumpFormat{kPageRecordSize, [](qint64 i, const QByteArray& b) {
                              return elementJson(i, decodePageRecord(b));
                          }};
    }
    if (ext == "ZTV") {
        return DumpFormat{kProjectRecordSize, [](qint64 i, const QByteArray& b) {
                              std::int32_t page = 0;
                              const ElementRecord r = decodeProjectRecord(b, &page);
                              return elementJson(i, r, page);
                          }};
    }
    if (ext == "TAE" || ext == "PZV") {
        return DumpFormat{kPageTableRecordSize, [](qint64 i, const QByteArray& b) {
                              return pageJson(i, pagetable::decode(b));
                          }};
    }
    if (ext == "PMG") {
        return DumpFormat{kKeywordRecordSize, [](qint64 i, const QByteArray& b) {
                              return keywordJson(i, keywordtable::decode(b));
                          }};
    }
    return std::nullopt;
}

void dump(const QString& path, QTextStream& out) {
    const auto format = formatFor(path);
    if (!format) {
        throw Failure{QStringLiteral("%1: unknown file type (expected .JOU, .ACT, .ZTV, .TAE, "
                                     ".PZV or .PMG)")
                          .arg(path)};
    }
    const QList<QByteArray> records = readRecords(path, format->recordSize);
    for (qsizetype i = 1; i < records.size(); ++i) {
        out << format->print(i, records[i]) << '\n';
    }
}

void split(const QString& container, const QString& dir, QTextStream& out) {
    readRecords(container, kProjectRecordSize);  // refuse a foreign file before writing
    if (!QDir().mkpath(dir)) {
        throw Failure{QStringLiteral("%1: cannot create the folder").arg(dir)};
    }
    const SplitResult result = splitContainer(container, dir, true);
    if (!result.ok) {
        throw Failure{QStringLiteral("%1: split failed: %2").arg(container, result.error)};
    }
    for (const std::int32_t page : result.pages) {
        out << pageFileName(page) << '\n';
    }
}

void pack(const QString& dir, const QString& outPath, QTextStream& out) {
    const QString tableName = findEntryNoCase(dir, QStringLiteral("PAGES.TAE"));
    if (tableName.isEmpty()) {
        throw Failure{QStringLiteral("%1: no PAGES.TAE in this folder").arg(dir)};
    }
    const QString tablePath = QDir(dir).filePath(tableName);
    readRecords(tablePath, kPageTableRecordSize);
    const QList<PageEntry> pages = pagetable::readLive(tablePath);
    QString error;
    if (!packContainer(dir, pages, outPath, &error)) {
        throw Failure{QStringLiteral("%1: pack failed: %2").arg(outPath, error)};
    }
    out << QStringLiteral("%1 pages packed into %2\n").arg(pages.size()).arg(outPath);
}

QString yesNo(bool v) {
    return v ? QStringLiteral("yes") : QStringLiteral("no");
}

void info(const QString& pzv, QTextStream& out) {
    // The editor refuses to open the same files for the same reasons.
    if (const ProjectFileCheck check = checkSavedProject(pzv); !check.ok()) {
        throw Failure{describe(check)};
    }
    const QFileInfo fi(pzv);
    const QString iniName = findEntryNoCase(fi.dir().path(), fi.completeBaseName() + ".ini");
    ProjectSettings settings;
    if (!settings.load(fi.dir().filePath(iniName))) {
        throw Failure{QStringLiteral("%1: cannot be read").arg(iniName)};
    }
    if (!settings.isCurrentVersion()) {
        throw Failure{ProjectSettings::oldVersionMessage()};
    }
    QMap<std::int32_t, int> counts;
    const QString ztvName = findEntryNoCase(fi.dir().path(), fi.completeBaseName() + ".ZTV");
    if (!ztvName.isEmpty()) {
        const QList<QByteArray> records =
            readRecords(fi.dir().filePath(ztvName), kProjectRecordSize);
        for (qsizetype i = 1; i < records.size(); ++i) {
            std::int32_t page = 0;
            if (!decodeProjectRecord(records[i], &page).isAbsent()) {
                ++counts[page];
            }
        }
    }
    const QString pmgName = findEntryNoCase(fi.dir().path(), fi.completeBaseName() + ".PMG");
    const int keywords =
        pmgName.isEmpty() ? 0 : int(keywordtable::readUsed(fi.dir().filePath(pmgName)).size());

    out << "project: " << fi.completeBaseName() << '\n';
    out << "size: " << settings.width() << " x " << settings.height() << '\n';
    out << "first page: " << settings.firstPage() << '\n';
    out << "full screen: " << yesNo(settings.isFullScreen()) << '\n';
    out << "colour mask: " << yesNo(settings.isMaskedOption()) << " (" << settings.line(15)
        << ")\n";
    out << "transparent: " << yesNo(settings.isTransparent()) << '\n';
    out << "screen saver: " << yesNo(isOui(settings.line(ProjectSettings::ScreenSaver))) << '\n';
    out << "media packed by page: " << yesNo(settings.isMediaPackedByPage()) << '\n';
    out << "container: " << (ztvName.isEmpty() ? QStringLiteral("missing") : ztvName) << '\n';
    out << "keywords: " << keywords << '\n';
    for (const PageEntry& page : pagetable::readLive(pzv)) {
        out << "page " << page.number << ": " << jsonString(page.title) << ", "
            << counts.value(page.number) << " records\n";
    }
}

// Every transition effect at 25, 50 and 75 percent, as PNG files, named from the player's
// language file beside the tool.
void effects(const QString& dir, QTextStream& out) {
    QString error;
    if (!gallery::writeEffectGallery(dir, AppPaths::forApplication().playerLanguageFile(), out,
                                     &error)) {
        throw Failure{error};
    }
}

}  // namespace

int run(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString command = args.value(0);
    try {
        if (command == "dump" && args.size() == 2) {
            dump(args[1], out);
        } else if (command == "split" && args.size() == 3) {
            split(args[1], args[2], out);
        } else if (command == "pack" && args.size() == 3) {
            pack(args[1], args[2], out);
        } else if (command == "info" && args.size() == 2) {
            info(args[1], out);
        } else if (command == "effects" && args.size() == 2) {
            effects(args[1], out);
        } else if (command == "cab") {
            cabCommand(args.mid(1), out);
        } else if (command == "entries") {
            entriesCommand(args.mid(1), out);
        } else if (command == "build") {
            buildCommand(args.mid(1), AppPaths::forApplication().appDir(), out, err);
        } else {
            err << kUsage << '\n';
            err.flush();
            return 2;
        }
    } catch (const Failure& f) {
        out.flush();
        err << "ztvtool: " << f.message << '\n';
        err.flush();
        return 1;
    }
    out.flush();
    return 0;
}

}  // namespace ztv::tool
