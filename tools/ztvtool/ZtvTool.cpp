#include "tools/ztvtool/ZtvTool.h"

#include "common/formats/Container.h"
#include "common/formats/ElementRecord.h"
#include "common/formats/KeywordTable.h"
#include "common/formats/PageTable.h"
#include "common/formats/ProjectFileCheck.h"
#include "common/formats/ProjectSettings.h"
#include "common/platform/AppPaths.h"
#include "common/platform/FileIo.h"
#include "common/platform/RecordFile.h"
#include "tools/effects/EffectGallery.h"
#include "tools/ztvtool/ArchiveCommands.h"
#include "tools/ztvtool/BuildCommand.h"
#include "tools/ztvtool/CommandHelp.h"
#include "tools/ztvtool/RecordDamage.h"
#include "tools/ztvtool/RecordJson.h"
#include "tools/ztvtool/ToolFailure.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <functional>

namespace ztv::tool {
namespace {

// A file of records is refused when it is missing or cut inside a record.
void checkRecordFile(const QString& path, int recordSize) {
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
}

// Every whole record of a file whose size must be a multiple of the record size.
QList<QByteArray> readRecords(const QString& path, int recordSize) {
    checkRecordFile(path, recordSize);
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
    std::function<QString(const QByteArray&)> damage;  // the damaged field, or empty
};

std::optional<DumpFormat> formatFor(const QString& path) {
    const QString ext = QFileInfo(path).suffix().toUpper();
    if (ext == "JOU" || ext == "ACT" || ext == "COP" || ext == "ANC") {
        return DumpFormat{
            kPageRecordSize,
            [](qint64 i, const QByteArray& b) { return elementJson(i, decodePageRecord(b)); },
            [](const QByteArray& b) { return elementRecordDamage(b, false); }};
    }
    if (ext == "ZTV") {
        return DumpFormat{kProjectRecordSize,
                          [](qint64 i, const QByteArray& b) {
                              std::int32_t page = 0;
                              const ElementRecord r = decodeProjectRecord(b, &page);
                              return elementJson(i, r, page);
                          },
                          [](const QByteArray& b) { return elementRecordDamage(b, true); }};
    }
    if (ext == "TAE" || ext == "PZV") {
        return DumpFormat{
            kPageTableRecordSize,
            [](qint64 i, const QByteArray& b) { return pageJson(i, pagetable::decode(b)); },
            pageTableRecordDamage};
    }
    if (ext == "PMG") {
        return DumpFormat{
            kKeywordRecordSize,
            [](qint64 i, const QByteArray& b) { return keywordJson(i, keywordtable::decode(b)); },
            keywordRecordDamage};
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
    if (records.isEmpty()) {
        throw Failure{QStringLiteral("%1: empty file").arg(path)};
    }
    for (qsizetype i = 1; i < records.size(); ++i) {  // nothing printed from a damaged file
        if (const QString field = format->damage(records[i]); !field.isEmpty()) {
            throw Failure{
                QStringLiteral("%1: record %2 is damaged (%3)").arg(path).arg(i).arg(field)};
        }
    }
    for (qsizetype i = 1; i < records.size(); ++i) {
        out << format->print(i, records[i]) << '\n';
    }
}

void split(const QString& container, const QString& dir, QTextStream& out, bool verbose) {
    checkRecordFile(container, kProjectRecordSize);  // refuse a foreign file before writing
    if (!QDir().mkpath(dir)) {
        throw Failure{QStringLiteral("%1: cannot create the folder").arg(dir)};
    }
    const SplitResult result = splitContainer(container, dir, true);
    if (!result.ok) {
        throw Failure{QStringLiteral("%1: split failed: %2").arg(container, result.error)};
    }
    for (const std::int32_t page : verbose ? result.pages : QList<std::int32_t>{}) {
        out << pageFileName(page) << '\n' << pageFileName(page, ".ACT") << '\n';
    }
}

void pack(const QString& dir, const QString& outPath, QTextStream& out, bool verbose) {
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
    if (verbose) {
        out << QStringLiteral("%1 pages packed into %2\n").arg(pages.size()).arg(outPath);
    }
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

struct Io {
    QTextStream& out;
    QTextStream& err;
    bool verbose;
};
using Handler = std::function<void(const QStringList&, const Io&)>;

// The handler of a command that takes exactly `count` arguments.
Handler taking(qsizetype count, const Handler& run) {
    return [count, run](const QStringList& args, const Io& io) {
        for (const QString& arg : args) {
            if (arg.startsWith(u'-') && arg.size() > 1) {
                throw UsageError{QStringLiteral("unknown option '%1'").arg(arg)};
            }
        }
        if (args.size() != count) {
            throw UsageError{
                QStringLiteral("expected %1 arguments, got %2").arg(count).arg(args.size())};
        }
        run(args, io);
    };
}

const QMap<QString, Handler>& handlers() {
    static const QMap<QString, Handler> table{
        {"dump", taking(1, [](const QStringList& a, const Io& io) { dump(a[0], io.out); })},
        {"split", taking(2, [](const QStringList& a,
                               const Io& io) { split(a[0], a[1], io.out, io.verbose); })},
        {"pack", taking(2, [](const QStringList& a,
                              const Io& io) { pack(a[0], a[1], io.out, io.verbose); })},
        {"info", taking(1, [](const QStringList& a, const Io& io) { info(a[0], io.out); })},
        {"effects", taking(1, [](const QStringList& a, const Io& io) { effects(a[0], io.out); })},
        {"cab", [](const QStringList& a, const Io& io) { cabCommand(a, io.out, io.verbose); }},
        {"entries",
         [](const QStringList& a, const Io& io) { entriesCommand(a, io.out, io.verbose); }},
        {"build",
         [](const QStringList& a, const Io& io) {
             buildCommand(a, AppPaths::forApplication().appDir(), io.out, io.err, io.verbose);
         }},
    };
    return table;
}

// The command line without the options every command shares.
struct Invocation {
    QStringList args;
    bool help = false;
    bool version = false;
    bool verbose = false;
};

Invocation parse(const QStringList& given) {
    Invocation call;
    for (const QString& arg : given) {
        if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            call.help = true;
        } else if (arg == QLatin1String("-v") || arg == QLatin1String("--verbose")) {
            call.verbose = true;
        } else if (arg == QLatin1String("--version") && call.args.isEmpty()) {
            call.version = true;
        } else {
            call.args.append(arg);
        }
    }
    return call;
}

int usageError(QTextStream& err, const QString& message, const CommandHelp* command) {
    if (!message.isEmpty()) {
        err << "ztvtool: " << message << '\n';
    }
    if (command) {
        err << commandUsage(*command) << "Try 'ztvtool " << command->name << " --help' for more.\n";
    } else {
        err << programUsage() << "Try 'ztvtool --help' for the commands.\n";
    }
    err.flush();
    return 2;
}

// Runs a known command; its exit code.
int runCommand(const CommandHelp& command, const QStringList& args, const Io& io) {
    try {
        handlers().value(command.name)(args, io);
    } catch (const UsageError& e) {
        io.out.flush();
        return usageError(io.err, e.message, &command);
    } catch (const Failure& f) {
        io.out.flush();
        if (!f.message.isEmpty()) {
            io.err << "ztvtool: " << f.message << '\n';
        }
        io.err.flush();
        return 1;
    }
    io.out.flush();
    return 0;
}

}  // namespace

int run(const QStringList& given, QTextStream& out, QTextStream& err) {
    const Invocation call = parse(given);
    const QString name = call.args.value(0);
    const CommandHelp* command = findCommandHelp(name);
    if (call.version && name.isEmpty()) {
        out << "ztvtool (Zentrovale) " << ZTV_VERSION << '\n';
    } else if (call.help && (name.isEmpty() || command)) {
        out << (command ? commandHelpText(*command) : programHelp());
    } else if (name.isEmpty()) {
        return usageError(err, QStringLiteral("no command given"), nullptr);
    } else if (!command) {
        return usageError(err,
                          name.startsWith(u'-') ? QStringLiteral("unknown option '%1'").arg(name)
                                                : QStringLiteral("unknown command '%1'").arg(name),
                          nullptr);
    } else {
        return runCommand(*command, call.args.mid(1), Io{out, err, call.verbose});
    }
    out.flush();
    return 0;
}

}  // namespace ztv::tool
