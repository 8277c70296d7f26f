// The editor registers its project file types with the desktop: created, moved with the
// installation, another program's left alone, an equal one not written again; the desktop's own
// tools then recognise the files.
#include "common/platform/XdgDesktop.h"
#include "editor/builder/FileAssociations.h"
#include "tests/editor/EditorFixture.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace ztv::test {
namespace {

const QString kPzv = QStringLiteral("application/x-zentrovale-pzv");
const QString kZtv = QStringLiteral("application/x-zentrovale-ztv");
const QString kZtvx = QStringLiteral("application/x-zentrovale-ztvx");
const QDateTime kLongAgo(QDate(2001, 1, 1), QTime(0, 0));

void writeAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void age(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(kLongAgo, QFileDevice::FileModificationTime));
}

// Points the desktop's folders into dir for the life of the object.
class DesktopFolders {
  public:
    DesktopFolders(const QString& dir, const QString& systemDir) {
        set("XDG_DATA_HOME", dir + "/data");
        set("XDG_CONFIG_HOME", dir + "/config");
        set("XDG_DATA_DIRS", systemDir);
    }
    ~DesktopFolders() {
        for (auto it = saved_.cbegin(); it != saved_.cend(); ++it) {
            if (it.value().isNull()) {
                qunsetenv(it.key().constData());
            } else {
                qputenv(it.key().constData(), it.value());
            }
        }
    }
    void set(const char* name, const QString& value) {
        if (!saved_.contains(name)) {
            saved_.insert(name, qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray());
        }
        qputenv(name, value.toLocal8Bit());
    }

  private:
    QMap<QByteArray, QByteArray> saved_;
};

// Private desktop folders, and installations of the programs' desktop files in folders of the
// test's own (the programs themselves are not needed to register them).
class FileAssociationsTest : public ::testing::Test {
  protected:
    QString install(const QString& name) {
        const QString appDir = dir_.filePath(name);
        const QDir source(ZTV_SOURCE_DIR "/assets/xdg");
        QDir().mkpath(appDir + "/xdg");
        for (const QString& file : source.entryList(QDir::Files)) {
            QFile::copy(source.filePath(file), appDir + "/xdg/" + file);
        }
        writeAll(appDir + "/icons/hicolor/48x48/apps/zentrovale.png", name.toUtf8());
        return appDir;
    }

    QString applications(const QString& id) const {
        return dir_.filePath("data/applications/") + id;
    }
    QString mimeApps() const { return dir_.filePath("config/mimeapps.list"); }
    QStringList defaults(const QString& type) const {
        return xdg::MimeAppsList(mimeApps()).defaults(type);
    }
    QString registeredExec(const QString& type) const {
        const QStringList ids = defaults(type);
        return ids.isEmpty() ? QString()
                             : xdg::desktopEntryValue(xdg::findDesktopFile(ids.first()), "Exec");
    }

    QTemporaryDir dir_;
    DesktopFolders folders_{dir_.path(), dir_.filePath("system")};
};

TEST_F(FileAssociationsTest, FirstRegistrationCreatesAllThreeInTheEditorsFolder) {
    const QString appDir = install("first");
    editor::registerFileAssociations(appDir);

    EXPECT_EQ(defaults(kPzv), QStringList{"zentrovale.desktop"});
    EXPECT_EQ(defaults(kZtv), QStringList{"ztvplay.desktop"});
    EXPECT_EQ(defaults(kZtvx), QStringList{"ztvplay.desktop"});
    EXPECT_EQ(registeredExec(kPzv), appDir + "/Zentrovale %f");
    EXPECT_EQ(registeredExec(kZtv), appDir + "/ztvplay %f");
    EXPECT_EQ(xdg::desktopEntryValue(applications("ztvplay.desktop"), "MimeType"),
              kZtv + ";" + kZtvx + ";");
    EXPECT_TRUE(QFile::exists(dir_.filePath("data/mime/packages/zentrovale.xml")));
    EXPECT_TRUE(QFile::exists(dir_.filePath("data/icons/hicolor/48x48/apps/zentrovale.png")));
}

TEST_F(FileAssociationsTest, MovingTheInstallationMovesTheCommands) {
    editor::registerFileAssociations(install("old place"));
    const QString moved = install("new");
    editor::registerFileAssociations(moved);

    EXPECT_EQ(registeredExec(kPzv), moved + "/Zentrovale %f");
    EXPECT_EQ(registeredExec(kZtv), moved + "/ztvplay %f");
    EXPECT_EQ(registeredExec(kZtvx), moved + "/ztvplay %f");

    // A package's entry for our player in the system folders, under another id, is taken over
    // by ours; the other ids listed stay behind it.
    writeAll(dir_.filePath("system/applications/zentrovale-player.desktop"),
             "[Desktop Entry]\nExec=/usr/lib/zentrovale/ztvplay %f\n");
    xdg::MimeAppsList list(mimeApps());
    list.setDefaults(kZtvx, {"zentrovale-player.desktop", "ark.desktop"});
    ASSERT_TRUE(list.save());
    editor::registerFileAssociations(moved);
    EXPECT_EQ(defaults(kZtvx), (QStringList{"ztvplay.desktop", "ark.desktop"}));
}

TEST_F(FileAssociationsTest, AnotherProgramsAssociationStays) {
    writeAll(dir_.filePath("system/applications/vlc.desktop"),
             "[Desktop Entry]\nExec=/usr/bin/vlc --started-from-file %U\n");
    // Our program's name with other arguments is not ours either.
    writeAll(applications("mine.desktop"), "[Desktop Entry]\nExec=/opt/ztvplay --loop %f\n");
    xdg::MimeAppsList list(mimeApps());
    list.setDefaults(kZtv, {"vlc.desktop"});
    list.setDefaults(kZtvx, {"mine.desktop"});
    // A default whose entry is nowhere is broken, not ours to mend.
    list.setDefaults(kPzv, {"gone.desktop"});
    ASSERT_TRUE(list.save());

    const QString appDir = install("app");
    editor::registerFileAssociations(appDir);
    EXPECT_EQ(defaults(kZtv), QStringList{"vlc.desktop"});
    EXPECT_EQ(defaults(kZtvx), QStringList{"mine.desktop"});
    EXPECT_EQ(defaults(kPzv), QStringList{"gone.desktop"});
    EXPECT_EQ(registeredExec(kZtvx), "/opt/ztvplay --loop %f");
    EXPECT_FALSE(QFile::exists(applications("ztvplay.desktop")));
}

TEST_F(FileAssociationsTest, AnEqualAssociationIsNotWrittenAgain) {
    const QString appDir = install("app");
    editor::registerFileAssociations(appDir);
    const QStringList written{mimeApps(), applications("zentrovale.desktop"),
                              applications("ztvplay.desktop"),
                              dir_.filePath("data/mime/packages/zentrovale.xml"),
                              dir_.filePath("data/icons/hicolor/48x48/apps/zentrovale.png")};
    for (const QString& path : written) {
        age(path);
    }
    editor::registerFileAssociations(appDir);
    for (const QString& path : written) {
        EXPECT_EQ(QFileInfo(path).lastModified(), kLongAgo) << path.toStdString();
    }

    // An installed entry equal to ours is used as it is: no copy of it is written.
    QTemporaryDir other;
    folders_.set("XDG_CONFIG_HOME", other.filePath("config"));
    folders_.set("XDG_DATA_HOME", other.filePath("data"));
    folders_.set("XDG_DATA_DIRS", dir_.filePath("data"));
    editor::registerFileAssociations(appDir);
    EXPECT_EQ(xdg::MimeAppsList(other.filePath("config/mimeapps.list")).defaults(kPzv),
              QStringList{"zentrovale.desktop"});
    EXPECT_FALSE(QFile::exists(other.filePath("data/applications/zentrovale.desktop")));
    EXPECT_FALSE(QFile::exists(other.filePath("data/mime/packages/zentrovale.xml")));
}

// What a program that asks the desktop answers, through each tool this machine has.
QString askFileType(const QString& tool, const QString& file) {
    QProcess process;
    if (tool == "xdg-mime") {
        process.start(tool, {"query", "filetype", file});
    } else {
        process.start(tool, {"info", "-a", "standard::content-type", file});
    }
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    const QString out = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    return tool == "xdg-mime" ? out : out.section("standard::content-type: ", 1).trimmed();
}

TEST_F(FileAssociationsTest, TheDesktopsToolsKnowTheFilesAfterRegistration) {
    if (QStandardPaths::findExecutable("update-mime-database").isEmpty()) {
        GTEST_SKIP() << "shared-mime-info is not installed";
    }
    folders_.set("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    editor::registerFileAssociations(install("app"));
    const QString pzv = dir_.filePath("DEMO.PZV");
    const QString ztv = dir_.filePath("demo.Ztv");
    const QString ztvx = dir_.filePath("DEMO.ZTVX");
    writeAll(pzv, QByteArray(416, '\0'));
    writeAll(ztv, QByteArray(1227 * 2, '\0'));
    writeAll(ztvx, QByteArray("MSCF") + QByteArray(60, '\0'));

    QStringList tools;
    for (const QString& tool : {QStringLiteral("xdg-mime"), QStringLiteral("gio")}) {
        if (!QStandardPaths::findExecutable(tool).isEmpty()) {
            tools << tool;
        }
    }
    if (tools.isEmpty()) {
        GTEST_SKIP() << "neither xdg-mime nor gio is installed";
    }
    for (const QString& tool : tools) {
        EXPECT_EQ(askFileType(tool, pzv), kPzv) << tool.toStdString();
        EXPECT_EQ(askFileType(tool, ztv), kZtv) << tool.toStdString();
        EXPECT_EQ(askFileType(tool, ztvx), kZtvx) << tool.toStdString();
    }
}

TEST(FileAssociations, TheFileNamePartIsTheProgramsNameAndItsArguments) {
    EXPECT_EQ(editor::fileNamePart("/opt/a b/ztvplay %f"), "a b/ztvplay %f");
    EXPECT_EQ(editor::fileNamePart("\"/opt/a b/ztvplay\" %f"), "ztvplay %f");
    EXPECT_EQ(editor::fileNamePart("Zentrovale %f"), "Zentrovale %f");
    EXPECT_EQ(editor::fileNamePart(""), QString());
}

// The main window registers when it becomes active.
class ActivationRegistersTest : public EditorFixture {};

TEST_F(ActivationRegistersTest, TheMainWindowsActivationRegisters) {
    QTemporaryDir desktop;
    const DesktopFolders folders(desktop.path(), desktop.filePath("system"));
    const QDir source(ZTV_SOURCE_DIR "/assets/xdg");
    QDir().mkpath(appDir() + "/xdg");
    for (const QString& file : source.entryList(QDir::Files)) {
        QFile::copy(source.filePath(file), appDir() + "/xdg/" + file);
    }
    auto session = start();
    ASSERT_TRUE(session);
    session->window->show();
    session->window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(session->window.get()));
    EXPECT_EQ(xdg::MimeAppsList(desktop.filePath("config/mimeapps.list")).defaults(kPzv),
              QStringList{"zentrovale.desktop"});
    EXPECT_EQ(
        xdg::desktopEntryValue(desktop.filePath("data/applications/zentrovale.desktop"), "Exec"),
        xdg::execLine(appDir() + "/Zentrovale", "%f"));
}

}  // namespace
}  // namespace ztv::test
