#include "tools/ztvtool/CommandHelp.h"

#include <QStringList>

namespace ztv::tool {

const QList<CommandHelp>& commandHelps() {
    static const QList<CommandHelp> commands{
        {QStringLiteral("dump"), QStringLiteral("dump FILE"),
         QStringLiteral("print every record of a project file as JSON"),
         QStringLiteral(R"(Prints every record of FILE from record 1, one JSON object a line, its
fields under their stored names. The extension tells the kind of file:
  .JOU .ACT .COP .ANC  page file (1232-byte records)
  .ZTV                 project container (1227-byte records with their page)
  .TAE .PZV            page table
  .PMG                 keyword table
A file that is empty or not a whole number of records is refused.)")},
        {QStringLiteral("split"), QStringLiteral("split CONTAINER DIR"),
         QStringLiteral("split a project container into page files"),
         QStringLiteral(R"(Writes the page file N.JOU of every page of the project container, and
its editing copy N.ACT, into DIR (created when missing). With -v, lists
the files written.)")},
        {QStringLiteral("pack"), QStringLiteral("pack DIR OUT"),
         QStringLiteral("pack the page files of a folder into a project container"),
         QStringLiteral(R"(Packs the page files N.JOU of DIR into the project container OUT, page by
page in the order of DIR's page table PAGES.TAE; deleted pages are left
out. OUT is replaced whole, never left half written. With -v, tells how
many pages were packed.)")},
        {QStringLiteral("info"), QStringLiteral("info PROJECT.PZV"),
         QStringLiteral("describe a saved project"),
         QStringLiteral(
             R"(Prints the page size, first page and display options of the saved project,
its container and keyword count, and every page with its record count.)")},
        {QStringLiteral("effects"), QStringLiteral("effects DIR"),
         QStringLiteral("draw every transition effect into PNG pictures"),
         QStringLiteral(R"(Draws every transition effect at 25, 50 and 75 percent into DIR as
effectNN-PERCENT.png, and prints each effect's number, language line and
name from the player's language file beside ztvtool.)")},
        {QStringLiteral("cab"),
         QStringLiteral("cab create [--type none|mszip|lzx] [--window 15..21] OUT.cab FILE...\n"
                        "cab list CAB\n"
                        "cab extract CAB DIR [NAME]"),
         QStringLiteral("create, list or extract a cabinet archive"),
         QStringLiteral(R"(create   stores the FILEs in the new archive OUT.cab under their names
  --type none|mszip|lzx  compression (default mszip)
  --window 15..21        LZX window, as a power of two (default 15)
list     prints the size, date and name of every file of CAB
extract  extracts every file of CAB, or only NAME (any case), into DIR
With -v, create and extract tell where the files went.)")},
        {QStringLiteral("entries"),
         QStringLiteral("entries list FILE\n"
                        "entries extract FILE DIR [NAME]"),
         QStringLiteral("list or extract the entries of a package or media data file"),
         QStringLiteral(R"(FILE is a media data file (N.cds) or a player with a project appended,
whose entries start where its program image ends.
list     prints the offset, size and name of every entry
extract  writes every entry, or only NAME (any case), into DIR under its
         file name; with -v, tells how many)")},
        {QStringLiteral("build"),
         QStringLiteral("build PROJECT.PZV [--dist web|cdrom|ztvx] [--compress none|global|page]\n"
                        "      [--autorun] [--compressed-player] [--out DIR]"),
         QStringLiteral("build a distributable application from a saved project"),
         QStringLiteral(R"(Builds an application from the saved project with the players and the
language file beside ztvtool, and prints the folder it was built in.
  --dist web|cdrom|ztvx        one program with the project appended (web,
                               the default), the same with sounds and videos
                               in folders beside it (cdrom), or a single-file
                               project NAME.ztvx (ztvx)
  --compress none|global|page  no archive (default), one archive, or one
                               archive a page
  --autorun                    add the autorun files
  --compressed-player          use the smaller player ztvplay2
  --out DIR                    build into DIR, a folder that must not exist
                               (default: the next free ApplicationN folder
                               beside the project)
With -v, tells each page as its media are gathered.)")},
    };
    return commands;
}

const CommandHelp* findCommandHelp(const QString& name) {
    for (const CommandHelp& command : commandHelps()) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

QString programUsage() {
    return QStringLiteral("usage: ztvtool [-v] COMMAND [ARGUMENT...]\n");
}

QString programHelp() {
    QString text = programUsage() + QStringLiteral(R"(       ztvtool COMMAND --help
       ztvtool --help | --version

Looks into and converts Zentrovale projects, packages and cabinet archives,
and builds applications from projects.

Commands:
)");
    for (const CommandHelp& command : commandHelps()) {
        text += QStringLiteral("  %1%2\n").arg(command.name, -10).arg(command.summary);
    }
    return text + QStringLiteral(R"(
Options:
  -h, --help     this help, or a command's with COMMAND --help
  --version      the version of ztvtool
  -v, --verbose  list the files that commands write

Messages go to standard error. Exit status: 0 on success, 1 when a command
fails, 2 on a usage error.
)");
}

QString commandUsage(const CommandHelp& command) {
    QString text;
    const QStringList forms = command.usage.split(u'\n');
    for (qsizetype i = 0; i < forms.size(); ++i) {
        const bool continued = forms[i].startsWith(u' ');
        text += (i == 0      ? QStringLiteral("usage: ztvtool ")
                 : continued ? QString(15, u' ')
                             : QStringLiteral("       ztvtool ")) +
                forms[i] + u'\n';
    }
    return text;
}

QString commandHelpText(const CommandHelp& command) {
    return commandUsage(command) + u'\n' + command.details + u'\n';
}

}  // namespace ztv::tool
