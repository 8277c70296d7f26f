#include "common/platform/XdgDesktop.h"

#include "common/platform/FileIo.h"
#include "common/platform/ProgramRunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace ztv::xdg {
namespace {

const QString kEntryGroup = QStringLiteral("[Desktop Entry]");
const QString kDefaultsGroup = QStringLiteral("[Default Applications]");

QStringList readTextLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

bool isGroupHeader(const QString& line) {
    return line.startsWith(u'[');
}

// The string escapes of desktop entry values: \s \n \t \r \\.
QString unescapeValue(const QString& value) {
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const QChar next = value[++i];
        switch (next.unicode()) {
            case 's':
                out += u' ';
                break;
            case 'n':
                out += u'\n';
                break;
            case 't':
                out += u'\t';
                break;
            case 'r':
                out += u'\r';
                break;
            default:
                out += next;
                break;
        }
    }
    return out;
}

bool needsQuotes(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    for (const QChar c : argument) {
        if (reserved.contains(c)) {
            return true;
        }
    }
    return false;
}

QString quoteArgument(const QString& argument) {
    if (!needsQuotes(argument)) {
        return argument;
    }
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') {
            quoted += u'\\';
        }
        quoted += c;
    }
    return quoted + u'"';
}

}  // namespace

QString dataHome() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString configHome() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString execLine(const QString& program, const QString& fieldCode) {
    return quoteArgument(program).replace(u'%', QStringLiteral("%%")) + u' ' + fieldCode;
}

QStringList execArguments(const QString& exec) {
    QStringList arguments;
    QString current;
    bool inQuotes = false;
    bool started = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (inQuotes && c == u'\\' && i + 1 < exec.size()) {
            current += exec[++i];
        } else if (c == u'"') {
            inQuotes = !inQuotes;
            started = true;
        } else if (!inQuotes && (c == u' ' || c == u'\t')) {
            if (started) {
                arguments << current;
            }
            current.clear();
            started = false;
        } else {
            current += c;
            started = true;
        }
    }
    if (started) {
        arguments << current;
    }
    // "%%" stands for "%"; field codes ("%f") stay as written.
    for (QString& argument : arguments) {
        argument.replace(QStringLiteral("%%"), QStringLiteral("%"));
    }
    return arguments;
}

QString findDesktopFile(const QString& desktopId) {
    const QStringList dirs = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString& dir : dirs) {
        const QString path = QDir(dir).filePath(QStringLiteral("applications/") + desktopId);
        if (QFile::exists(path)) {
            return path;
        }
    }
    return {};
}

QString desktopEntryValue(const QString& path, const QString& key) {
    bool inEntry = false;
    const QString prefix = key + u'=';
    for (const QString& raw : readTextLines(path)) {
        const QString line = raw.trimmed();
        if (isGroupHeader(line)) {
            inEntry = line == kEntryGroup;
        } else if (inEntry && line.startsWith(prefix)) {
            return unescapeValue(line.mid(prefix.size()));
        }
    }
    return {};
}

QString withExec(const QString& entryText, const QString& exec) {
    // The file escapes the value's backslashes once more.
    const QString escaped = QString(exec).replace(u'\\', QStringLiteral("\\\\"));
    QStringList lines = entryText.split(u'\n');
    int header = -1;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line == kEntryGroup) {
            header = i;
        } else if (isGroupHeader(line) && header >= 0) {
            break;
        } else if (header >= 0 && line.startsWith(QStringLiteral("Exec="))) {
            lines[i] = QStringLiteral("Exec=") + escaped;
            return lines.join(u'\n');
        }
    }
    if (header < 0) {
        lines.prepend(kEntryGroup);
        header = 0;
    }
    lines.insert(header + 1, QStringLiteral("Exec=") + escaped);
    return lines.join(u'\n');
}

MimeAppsList::MimeAppsList(QString path) : path_(std::move(path)), lines_(readTextLines(path_)) {}

MimeAppsList MimeAppsList::forUser() {
    return MimeAppsList(QDir(configHome()).filePath(QStringLiteral("mimeapps.list")));
}

int MimeAppsList::groupEnd(int headerLine) const {
    int end = headerLine + 1;
    while (end < lines_.size() && !isGroupHeader(lines_[end].trimmed())) {
        ++end;
    }
    return end;
}

// The line of key in the group that starts at headerLine (-1 for a missing group or key).
int MimeAppsList::findKey(int headerLine, const QString& key) const {
    if (headerLine < 0) {
        return -1;
    }
    const int end = groupEnd(headerLine);
    for (int i = headerLine + 1; i < end; ++i) {
        const QString line = lines_[i].trimmed();
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0 && line.left(eq).trimmed() == key) {
            return i;
        }
    }
    return -1;
}

QStringList MimeAppsList::defaults(const QString& mimeType) const {
    const int line = findKey(lines_.indexOf(kDefaultsGroup), mimeType);
    if (line < 0) {
        return {};
    }
    const QString value = lines_[line].section(u'=', 1).trimmed();
    return value.split(u';', Qt::SkipEmptyParts);
}

void MimeAppsList::setDefaults(const QString& mimeType, const QStringList& desktopIds) {
    if (defaults(mimeType) == desktopIds) {
        return;
    }
    const QString entry = mimeType + u'=' + desktopIds.join(u';') + u';';
    int header = lines_.indexOf(kDefaultsGroup);
    if (header < 0) {
        if (!lines_.isEmpty() && !lines_.last().trimmed().isEmpty()) {
            lines_ << QString();
        }
        lines_ << kDefaultsGroup;
        header = int(lines_.size()) - 1;
    }
    const int line = findKey(header, mimeType);
    if (line >= 0) {
        lines_[line] = entry;
    } else {
        lines_.insert(groupEnd(header), entry);
    }
    changed_ = true;
}

bool MimeAppsList::save() {
    if (!changed_) {
        return true;
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    if (!writeFileAtomically(path_, (lines_.join(u'\n') + u'\n').toUtf8())) {
        return false;
    }
    changed_ = false;
    return true;
}

namespace {

void runWhenInstalled(const QString& tool, const QString& folder) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (!program.isEmpty()) {
        runProgramAndWait(program, {folder});
    }
}

}  // namespace

void refreshMimeDatabase(const QString& mimeDir) {
    runWhenInstalled(QStringLiteral("update-mime-database"), mimeDir);
}

void refreshDesktopDatabase(const QString& applicationsDir) {
    runWhenInstalled(QStringLiteral("update-desktop-database"), applicationsDir);
}

}  // namespace ztv::xdg
