// The desktop entry and mimeapps.list handling under the editor's file associations.
#include "common/platform/XdgDesktop.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace ztv::test {
namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(XdgDesktop, ExecLinesQuoteWhatTheFormatReservesAndReadBack) {
    const QStringList programs{"/opt/ztv/Zentrovale", "/home/ann/My Apps/ztvplay",
                               "/tmp/100%/a\"b$c`d\\e/ztvplay"};
    QTemporaryDir dir;
    const QString entry = dir.filePath("a.desktop");
    for (const QString& program : programs) {
        const QString exec = xdg::execLine(program, "%f");
        EXPECT_EQ(xdg::execArguments(exec), (QStringList{program, "%f"})) << exec.toStdString();
        // Through a file and back.
        writeAll(entry, xdg::withExec("[Desktop Entry]\nExec=x", exec).toUtf8());
        EXPECT_EQ(xdg::desktopEntryValue(entry, "Exec"), exec);
    }
    EXPECT_EQ(xdg::execLine("/opt/ztv/Zentrovale", "%f"), "/opt/ztv/Zentrovale %f");
    EXPECT_EQ(xdg::execLine("/a b/ztvplay", "%f"), "\"/a b/ztvplay\" %f");
    EXPECT_EQ(xdg::execArguments("vlc  --started-from-file %U"),
              (QStringList{"vlc", "--started-from-file", "%U"}));
    EXPECT_TRUE(xdg::execArguments("").isEmpty());
}

TEST(XdgDesktop, EntryValuesComeFromTheDesktopEntryGroupOnly) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.desktop");
    writeAll(path,
             "[Desktop Action New]\nExec=wrong\n[Desktop Entry]\nName=A\nExec=\"/x y/a\"\\s%f\n");
    // The value's own escapes ("\s") are resolved before the Exec quoting is read.
    EXPECT_EQ(xdg::desktopEntryValue(path, "Exec"), "\"/x y/a\" %f");
    EXPECT_EQ(xdg::desktopEntryValue(path, "Icon"), QString());
    EXPECT_EQ(xdg::desktopEntryValue(dir.filePath("missing.desktop"), "Exec"), QString());

    const QString replaced =
        xdg::withExec("[Desktop Entry]\nName=A\nExec=a %f\n[Other]\nExec=b", "/new/a %f");
    EXPECT_EQ(replaced, "[Desktop Entry]\nName=A\nExec=/new/a %f\n[Other]\nExec=b");
    EXPECT_EQ(xdg::withExec("[Desktop Entry]\nName=A", "a %f"),
              "[Desktop Entry]\nExec=a %f\nName=A");
}

TEST(XdgDesktop, MimeAppsListChangesOnlyTheDefaultsItSets) {
    QTemporaryDir dir;
    const QString path = dir.filePath("mimeapps.list");
    const QByteArray before =
        "# mine\n[Added Associations]\ntext/plain=gedit.desktop;\n\n"
        "[Default Applications]\ntext/plain=gedit.desktop;\nimage/png = "
        "eog.desktop;gimp.desktop;\n";
    writeAll(path, before);
    xdg::MimeAppsList list(path);
    EXPECT_EQ(list.defaults("image/png"), (QStringList{"eog.desktop", "gimp.desktop"}));
    EXPECT_TRUE(list.defaults("application/x-none").isEmpty());

    list.setDefaults("text/plain", {"gedit.desktop"});
    EXPECT_FALSE(list.isChanged());
    list.setDefaults("application/x-zentrovale-pzv", {"zentrovale.desktop"});
    list.setDefaults("image/png", {"gimp.desktop"});
    ASSERT_TRUE(list.save());
    EXPECT_EQ(readAll(path),
              "# mine\n[Added Associations]\ntext/plain=gedit.desktop;\n\n"
              "[Default Applications]\ntext/plain=gedit.desktop;\nimage/png=gimp.desktop;\n"
              "application/x-zentrovale-pzv=zentrovale.desktop;\n");

    // A missing file gets the group; a group that follows another keeps its place.
    const QString fresh = dir.filePath("sub/mimeapps.list");
    xdg::MimeAppsList created(fresh);
    created.setDefaults("application/x-zentrovale-ztv", {"ztvplay.desktop"});
    ASSERT_TRUE(created.save());
    EXPECT_EQ(readAll(fresh),
              "[Default Applications]\napplication/x-zentrovale-ztv=ztvplay.desktop;\n");
}

}  // namespace
}  // namespace ztv::test
