#pragma once

#include <QString>

namespace ztv {

// The one place that answers "where is X". APPDIR holds the programs and read-only assets; the
// data folder holds what the editor writes at run time: APPDIR itself when writable (a
// portable installation), otherwise $XDG_DATA_HOME/zentrovale.
class AppPaths {
  public:
    AppPaths(QString appDir, QString dataDir);
    // The running program's folder and its data folder.
    static AppPaths forApplication();
    // The running program's own file, links resolved: a program started through a link on the
    // path (/usr/bin/ztvplay) lives, and finds its assets, where the link points.
    static QString programFile();
    // APPDIR when writable, else the user's data folder (created when missing).
    static QString dataDirFor(const QString& appDir);

    const QString& appDir() const { return appDir_; }
    const QString& dataDir() const { return dataDir_; }

    QString asset(const QString& relative) const;
    QString data(const QString& relative) const;

    QString languageFile(const QString& languageName) const;
    QString playerLanguageFile() const { return asset(QStringLiteral("rlang.asc")); }
    QString projectTemplate() const { return asset(QStringLiteral("$ini.ini")); }
    QString editorSettingsTemplate() const { return asset(QStringLiteral("zentrovale.ini")); }
    QString editorSettings() const { return data(QStringLiteral("zentrovale.ini")); }
    QString workingDir() const { return data(QStringLiteral("base")); }
    // Which project the working copy holds, and whether it has unsaved changes.
    QString workingCopyOwner() const { return data(QStringLiteral("base.owner")); }
    // One editor a working copy: the lock its editor holds, and where that editor takes
    // projects handed over by another start (RunningEditor).
    QString editorLock() const { return data(QStringLiteral("ApplicationMutex.lock")); }
    QString runningEditor() const { return data(QStringLiteral("ApplicationMutex.where")); }
    QString playerProgram() const { return asset(QStringLiteral("ztvplay")); }
    QString examplesDir() const { return asset(QStringLiteral("exemples")); }
    // "c:\tempztv": the temporary root of players that run from a CD.
    static QString tempZtvDir();

  private:
    QString appDir_;
    QString dataDir_;
};

}  // namespace ztv
