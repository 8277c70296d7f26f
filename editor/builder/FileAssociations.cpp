#include "editor/builder/FileAssociations.h"

#include "common/platform/FileIo.h"
#include "common/platform/XdgDesktop.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>

namespace ztv::editor {
namespace {

const QString kFieldCode = QStringLiteral("%f");
const QString kMimePackage = QStringLiteral("zentrovale.xml");

// Puts a copy of a file at relative in the user's data folder, unless that folder or the
// system's already hold the same bytes there (a package installed it); true when it wrote.
bool provideDataFile(const QString& from, const QString& relative) {
    const auto bytes = readWhole(from);
    if (!bytes) {
        return false;
    }
    const QStringList dirs = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString& dir : dirs) {
        if (readWhole(QDir(dir).filePath(relative)) == bytes) {
            return false;
        }
    }
    const QString to = QDir(xdg::dataHome()).filePath(relative);
    QDir().mkpath(QFileInfo(to).absolutePath());
    return writeFileAtomically(to, *bytes);
}

void installMimePackage(const QString& appDir) {
    if (provideDataFile(QDir(appDir).filePath(QStringLiteral("xdg/") + kMimePackage),
                        QStringLiteral("mime/packages/") + kMimePackage)) {
        xdg::refreshMimeDatabase(QDir(xdg::dataHome()).filePath(QStringLiteral("mime")));
    }
}

void installIcons(const QString& appDir) {
    const QDir from(QDir(appDir).filePath(QStringLiteral("icons")));
    QDirIterator it(from.path(), {QStringLiteral("*.png")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        provideDataFile(file, QStringLiteral("icons/") + from.relativeFilePath(file));
    }
}

class Registration {
  public:
    explicit Registration(const QString& appDir)
        : appDir_(appDir),
          applications_(QDir(xdg::dataHome()).filePath(QStringLiteral("applications"))),
          defaults_(xdg::MimeAppsList::forUser()) {}

    void apply(const FileAssociation& row) {
        const QString exec = xdg::execLine(QDir(appDir_).filePath(row.program), kFieldCode);
        const QStringList ids = defaults_.defaults(row.mimeType);
        if (ids.isEmpty()) {
            if (provideEntry(row, exec)) {
                defaults_.setDefaults(row.mimeType, {row.desktopId});
            }
            return;
        }
        // The default is the first listed entry that exists; none: a broken association that
        // is not ours to mend.
        for (const QString& id : ids) {
            const QString file = xdg::findDesktopFile(id);
            if (file.isEmpty()) {
                continue;
            }
            const QString registered = xdg::desktopEntryValue(file, QStringLiteral("Exec"));
            if (registered != exec && row.replaceable.contains(fileNamePart(registered)) &&
                writeEntry(row, exec)) {
                QStringList moved = ids;
                moved.removeAll(id);
                moved.removeAll(row.desktopId);
                defaults_.setDefaults(row.mimeType, QStringList{row.desktopId} + moved);
            }
            return;
        }
    }

    void finish() {
        defaults_.save();
        if (entriesWritten_) {
            xdg::refreshDesktopDatabase(applications_);
        }
    }

  private:
    // Our entry, findable under its id with our Exec: an equal one (installed by a package,
    // or written before) is left as it is.
    bool provideEntry(const FileAssociation& row, const QString& exec) {
        const QString existing = xdg::findDesktopFile(row.desktopId);
        if (!existing.isEmpty() &&
            xdg::desktopEntryValue(existing, QStringLiteral("Exec")) == exec) {
            return true;
        }
        return writeEntry(row, exec);
    }

    bool writeEntry(const FileAssociation& row, const QString& exec) {
        const auto entry =
            readWhole(QDir(appDir_).filePath(QStringLiteral("xdg/") + row.desktopId));
        if (!entry || !QDir().mkpath(applications_)) {
            return false;
        }
        const QString text = xdg::withExec(QString::fromUtf8(*entry), exec);
        if (!writeFileAtomically(QDir(applications_).filePath(row.desktopId), text.toUtf8())) {
            return false;
        }
        entriesWritten_ = true;
        return true;
    }

    QString appDir_;
    QString applications_;
    xdg::MimeAppsList defaults_;
    bool entriesWritten_ = false;
};

}  // namespace

const QList<FileAssociation>& fileAssociations() {
    static const QList<FileAssociation> rows{
        {QStringLiteral("application/x-zentrovale-pzv"),
         QStringLiteral("zentrovale.desktop"),
         QStringLiteral("Zentrovale"),
         {QStringLiteral("Zentrovale %f")}},
        {QStringLiteral("application/x-zentrovale-ztv"),
         QStringLiteral("ztvplay.desktop"),
         QStringLiteral("ztvplay"),
         {QStringLiteral("ztvplay %f")}},
        {QStringLiteral("application/x-zentrovale-ztvx"),
         QStringLiteral("ztvplay.desktop"),
         QStringLiteral("ztvplay"),
         {QStringLiteral("ztvplay %f")}},
    };
    return rows;
}

QString fileNamePart(const QString& exec) {
    QStringList arguments = xdg::execArguments(exec);
    if (arguments.isEmpty()) {
        return {};
    }
    arguments[0] = QFileInfo(arguments[0]).fileName();
    return arguments.join(u' ');
}

void registerFileAssociations(const QString& appDir) {
    installMimePackage(appDir);
    installIcons(appDir);
    Registration registration(appDir);
    for (const FileAssociation& row : fileAssociations()) {
        registration.apply(row);
    }
    registration.finish();
}

}  // namespace ztv::editor
