#include "tools/ztvtool/ArchiveCommands.h"

#include "common/archives/CabinetFile.h"
#include "common/archives/ElfImage.h"
#include "common/archives/EntryReader.h"
#include "tools/ztvtool/ToolFailure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ztv::tool {
namespace {

CabinetCompression compressionNamed(const QString& name) {
    if (name == QLatin1String("none"))
        return CabinetCompression::None;
    if (name == QLatin1String("mszip"))
        return CabinetCompression::Mszip;
    if (name == QLatin1String("lzx"))
        return CabinetCompression::Lzx;
    throw UsageError{QStringLiteral("unknown compression type '%1'").arg(name)};
}

LzxMemory windowNamed(const QString& text) {
    bool ok = false;
    const int bits = text.toInt(&ok);
    if (!ok || bits < 15 || bits > 21)
        throw UsageError{QStringLiteral("the LZX window must be 15 to 21, not %1").arg(text)};
    return LzxMemory(bits - 15);
}

void cabCreate(QStringList args, QTextStream& out, bool verbose) {
    CabinetFile cab;
    while (args.size() >= 2 && args[0].startsWith(QLatin1String("--"))) {
        if (args[0] == QLatin1String("--type"))
            cab.CompressionType = compressionNamed(args[1]);
        else if (args[0] == QLatin1String("--window"))
            cab.LZXMemory = windowNamed(args[1]);
        else
            throw UsageError{QStringLiteral("unknown option '%1'").arg(args[0])};
        args = args.mid(2);
    }
    if (args.size() < 2 || args[0].startsWith(u'-'))
        throw UsageError{QStringLiteral("cab create needs an archive and files")};
    cab.CABFile = args[0];
    for (const QString& file : args.mid(1))
        cab.CABFileContents.append(CabinetEntry(file));
    try {
        cab.write();
    } catch (const CabinetError& e) {
        throw Failure{QStringLiteral("%1: %2").arg(cab.CABFile, QString::fromStdString(e.what()))};
    }
    if (verbose)
        out << QStringLiteral("%1 files stored in %2\n").arg(args.size() - 1).arg(cab.CABFile);
}

void cabList(const QString& path, QTextStream& out) {
    CabinetFile cab;
    cab.CABFile = path;
    if (!cab.listContents())
        throw Failure{QStringLiteral("%1: not a readable cabinet archive").arg(path)};
    for (const CabinetEntry& entry : cab.CABFileContents) {
        out << QStringLiteral("%1 %2 %3\n")
                   .arg(entry.size, 10)
                   .arg(entry.time.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")), entry.Name);
    }
}

void cabExtract(const QStringList& args, QTextStream& out, bool verbose) {
    CabinetFile cab;
    cab.CABFile = args[0];
    cab.TargetPath = args[1];
    if (!QDir().mkpath(cab.TargetPath))
        throw Failure{QStringLiteral("%1: cannot create the folder").arg(cab.TargetPath)};
    const bool ok = args.size() == 3 ? cab.extractFile(args[2]) : cab.extractAll();
    if (!ok) {
        throw Failure{args.size() == 3
                          ? QStringLiteral("%1: %2 could not be extracted").arg(args[0], args[2])
                          : QStringLiteral("%1: extraction failed").arg(args[0])};
    }
    if (verbose)
        out << QStringLiteral("extracted into %1\n").arg(cab.TargetPath);
}

// The entries of a program start after its ELF image; any other file is entries only.
struct EntryFile {
    QFile file;
    qint64 start = 0;
    explicit EntryFile(const QString& path) : file(path) {
        if (!file.open(QIODevice::ReadOnly))
            throw Failure{QStringLiteral("%1: cannot be read").arg(path)};
        start = elfImageSize(file).value_or(0);
        file.seek(start);
    }
};

void entriesList(const QString& path, QTextStream& out) {
    EntryFile input(path);
    EntryReader reader(&input.file, input.start);
    while (const auto header = reader.next())
        out << QStringLiteral("%1 %2 %3\n")
                   .arg(header->headerOffset, 10)
                   .arg(header->size, 10)
                   .arg(header->name);
}

void entriesExtract(const QStringList& args, QTextStream& out, bool verbose) {
    EntryFile input(args[0]);
    EntryReader reader(&input.file, input.start);
    if (!QDir().mkpath(args[1]))
        throw Failure{QStringLiteral("%1: cannot create the folder").arg(args[1])};
    int count = 0;
    while (const auto header = reader.next()) {
        if (args.size() == 3 && header->name.compare(args[2], Qt::CaseInsensitive) != 0)
            continue;
        input.file.seek(header->headerOffset + kEntryNameFieldSize);
        if (!reader.extractTo(args[1], header->name))
            throw Failure{
                QStringLiteral("%1: entry %2 could not be extracted").arg(args[0], header->name)};
        ++count;
    }
    if (args.size() == 3 && count == 0)
        throw Failure{QStringLiteral("%1: no entry named %2").arg(args[0], args[2])};
    if (verbose)
        out << QStringLiteral("%1 entries extracted into %2\n").arg(count).arg(args[1]);
}

// Why a sub-command line is refused.
QString unknownOrMisused(const QString& sub) {
    if (sub.isEmpty())
        return QStringLiteral("no sub-command given");
    if (sub == QLatin1String("create") || sub == QLatin1String("list") ||
        sub == QLatin1String("extract"))
        return QStringLiteral("wrong number of arguments for %1").arg(sub);
    return QStringLiteral("unknown sub-command '%1'").arg(sub);
}

}  // namespace

void cabCommand(const QStringList& args, QTextStream& out, bool verbose) {
    const QString sub = args.value(0);
    if (sub == QLatin1String("create"))
        cabCreate(args.mid(1), out, verbose);
    else if (sub == QLatin1String("list") && args.size() == 2)
        cabList(args[1], out);
    else if (sub == QLatin1String("extract") && (args.size() == 3 || args.size() == 4))
        cabExtract(args.mid(1), out, verbose);
    else
        throw UsageError{unknownOrMisused(sub)};
}

void entriesCommand(const QStringList& args, QTextStream& out, bool verbose) {
    const QString sub = args.value(0);
    if (sub == QLatin1String("list") && args.size() == 2)
        entriesList(args[1], out);
    else if (sub == QLatin1String("extract") && (args.size() == 3 || args.size() == 4))
        entriesExtract(args.mid(1), out, verbose);
    else
        throw UsageError{unknownOrMisused(sub)};
}

}  // namespace ztv::tool
