#pragma once

#include <QString>
#include <QStringList>

namespace ztv::xdg {

// $XDG_DATA_HOME (~/.local/share) and $XDG_CONFIG_HOME (~/.config).
QString dataHome();
QString configHome();

// The Exec value (as desktopEntryValue reads it) that starts program with a field code ("%f"),
// quoted where the desktop entry format asks for it (blanks, quotes, "$"...), "%" doubled.
QString execLine(const QString& program, const QString& fieldCode);
// The arguments of an Exec value, quotes and escapes removed, field codes kept as written.
QStringList execArguments(const QString& exec);

// The file of a desktop entry id in the applications folders of $XDG_DATA_HOME, then
// $XDG_DATA_DIRS; empty when none holds it.
QString findDesktopFile(const QString& desktopId);
// A key of the "[Desktop Entry]" group, escapes resolved; empty when missing or unreadable.
QString desktopEntryValue(const QString& path, const QString& key);
// The same entry text with its Exec key set to the value exec.
QString withExec(const QString& entryText, const QString& exec);

// The defaults of $XDG_CONFIG_HOME/mimeapps.list. Everything the file holds besides the
// values changed here is written back as it was.
class MimeAppsList {
  public:
    explicit MimeAppsList(QString path);
    static MimeAppsList forUser();

    // The desktop ids listed as defaults for a MIME type, in order.
    QStringList defaults(const QString& mimeType) const;
    void setDefaults(const QString& mimeType, const QStringList& desktopIds);
    bool isChanged() const { return changed_; }
    // Written atomically; true when nothing needed writing.
    bool save();

  private:
    int groupEnd(int headerLine) const;
    int findKey(int headerLine, const QString& key) const;

    QString path_;
    QStringList lines_;
    bool changed_ = false;
};

// Rebuild the caches after a change, when the tools are installed (silent otherwise).
void refreshMimeDatabase(const QString& mimeDir);
void refreshDesktopDatabase(const QString& applicationsDir);

}  // namespace ztv::xdg
