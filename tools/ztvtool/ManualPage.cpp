#include "tools/ztvtool/ManualPage.h"

#include "tools/ztvtool/CommandHelp.h"

#include <QStringList>

namespace ztv::tool {
namespace {

// Text as roff prints it: backslashes and minus signs escaped, and a line that starts with a
// control character kept as text.
QString roffText(const QString& text) {
    QStringList lines;
    for (QString line : text.split(u'\n')) {
        line.replace(u'\\', QStringLiteral("\\e")).replace(u'-', QStringLiteral("\\-"));
        if (line.startsWith(u'.') || line.startsWith(u'\'')) {
            line.prepend(QStringLiteral("\\&"));
        }
        lines.append(line);
    }
    return lines.join(u'\n');
}

// A block printed as it is laid out in the help, columns and all.
QString preformatted(const QString& text) {
    return QStringLiteral(".nf\n") + roffText(text.trimmed()) + QStringLiteral("\n.fi\n");
}

// Usage lines without their "usage:" word, which the section's heading says.
QString withoutUsageWord(const QString& usage) {
    QStringList lines = usage.split(u'\n');
    for (QString& line : lines) {
        line = line.startsWith(QStringLiteral("usage: "))
                   ? line.mid(7)
                   : line.mid(7 * line.startsWith(QString(7, u' ')));
    }
    return lines.join(u'\n');
}

// The text of the help between two markers (to its end when the second is empty).
QString helpSection(const QString& help, const QString& from, const QString& to) {
    const qsizetype start = help.indexOf(from);
    const qsizetype end = to.isEmpty() ? help.size() : help.indexOf(to, start);
    return help.mid(start + from.size(), end - start - from.size());
}

}  // namespace

QString manualPage(const QString& version) {
    const QString help = programHelp();
    // Not hyphenated, so that the page can be searched for the help's words.
    QString page =
        QStringLiteral(".TH ZTVTOOL 1 \"\" \"ztvtool %1\" \"Zentrovale\"\n.nh\n").arg(version);
    page += QStringLiteral(
        ".SH NAME\nztvtool \\- look into, convert and build Zentrovale "
        "projects\n.SH SYNOPSIS\n");
    page += preformatted(withoutUsageWord(help.section(QStringLiteral("\n\n"), 0, 0)));
    page += QStringLiteral(".SH DESCRIPTION\n");
    page +=
        roffText(helpSection(help, QStringLiteral("\n\n"), QStringLiteral("Commands:")).trimmed()) +
        u'\n';
    page += QStringLiteral(".SH COMMANDS\n");
    for (const CommandHelp& command : commandHelps()) {
        page += QStringLiteral(".SS %1\n").arg(command.name);
        page += roffText(command.summary) + u'\n';
        page += QStringLiteral(".PP\n") + preformatted(withoutUsageWord(commandUsage(command)));
        page += QStringLiteral(".PP\n") + preformatted(command.details);
    }
    page += QStringLiteral(".SH OPTIONS\n") +
            preformatted(helpSection(help, QStringLiteral("Options:\n"), QStringLiteral("\n\n")));
    page += QStringLiteral(".SH EXIT STATUS\n") +
            roffText(helpSection(help, QStringLiteral("Options:\n"), QString())
                         .section(QStringLiteral("\n\n"), 1)
                         .trimmed()) +
            u'\n';
    page += QStringLiteral(".SH SEE ALSO\n.BR Zentrovale (1),\n.BR ztvplay (1)\n");
    return page;
}

}  // namespace ztv::tool
