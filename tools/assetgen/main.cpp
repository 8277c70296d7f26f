// Writes the pictures the authoring program shows into an application folder:
//   ztvassetgen <appdir>             boutons/, handflat.cur, logo.jpg, icons/hicolor/
//   ztvassetgen --warning <file.png>  the message boxes' picture (compiled into the editor)
//   ztvassetgen --information <file.png>  their picture for a success (compiled in too)
//   ztvassetgen --media-buttons <dir>  the video control bar's pictures (compiled into the
//                                      player): mediapl_NAME.png
#include "Glyphs.h"
#include "Icons.h"
#include "MediaButtons.h"
#include "Pictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

using namespace ztv::assets;

namespace {

bool save(const QImage& image, const QString& path) {
    if (!image.save(path, nullptr, 92)) {
        std::fprintf(stderr, "ztvassetgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The desktop's icons in the layout of the hicolor theme, ready to be copied under share/.
bool writeIcons(const QString& themeDir) {
    bool ok = true;
    for (const int size : iconSizes()) {
        const QDir dir(QStringLiteral("%1/%2x%2").arg(themeDir).arg(size));
        ok = dir.mkpath(QStringLiteral("apps")) && dir.mkpath(QStringLiteral("mimetypes")) && ok;
        for (const QString& name : programIconNames()) {
            ok = save(programIcon(name, size), dir.filePath("apps/" + name + ".png")) && ok;
        }
        for (const QString& name : fileTypeIconNames()) {
            ok = save(fileTypeIcon(name, size), dir.filePath("mimetypes/" + name + ".png")) && ok;
        }
    }
    return ok;
}

bool writeAppAssets(const QString& appDir) {
    const QDir app(appDir);
    if (!app.mkpath(QStringLiteral("boutons"))) {
        return false;
    }
    const QDir boutons(app.filePath(QStringLiteral("boutons")));
    bool ok = true;
    for (const QString& name : toolbarGlyphNames()) {
        ok = save(toolbarGlyph(name), boutons.filePath(name + QStringLiteral(".jpg"))) && ok;
    }
    for (const QString& kind : rowKinds()) {
        ok = save(rowPicture(kind), boutons.filePath(QStringLiteral("ligne_%1.jpg").arg(kind))) &&
             ok;
    }
    ok = save(toolbarBackground(), boutons.filePath(QStringLiteral("barrevide.jpg"))) && ok;
    ok = save(dialogTexture(), boutons.filePath(QStringLiteral("texture.jpg"))) && ok;
    ok = save(cellPicture(QColor(243, 226, 195)),
              boutons.filePath(QStringLiteral("cell_vide.jpg"))) &&
         ok;
    ok = save(cellPicture(QColor(216, 225, 239)),
              boutons.filePath(QStringLiteral("cell_select.jpg"))) &&
         ok;
    ok = save(columnHeaderPicture(), boutons.filePath(QStringLiteral("cell_colonne.jpg"))) && ok;
    ok = save(cornerPicture(), boutons.filePath(QStringLiteral("ligne_texture.jpg"))) && ok;
    ok = save(logoPicture(), app.filePath(QStringLiteral("logo.jpg"))) && ok;
    QFile cursor(app.filePath(QStringLiteral("handflat.cur")));
    ok = cursor.open(QIODevice::WriteOnly) && cursor.write(handCursor()) > 0 && ok;
    return writeIcons(app.filePath(QStringLiteral("icons/hicolor"))) && ok;
}

bool writeMediaButtons(const QString& dir) {
    bool ok = true;
    for (const QString& name : mediaButtonNames()) {
        ok = save(mediaButton(name),
                  QDir(dir).filePath(QStringLiteral("mediapl_%1.png").arg(name))) &&
             ok;
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QStringLiteral("--warning")) {
        return save(warningPicture(), args[2]) ? 0 : 1;
    }
    if (args.size() == 3 && args[1] == QStringLiteral("--information")) {
        return save(informationPicture(), args[2]) ? 0 : 1;
    }
    if (args.size() == 3 && args[1] == QStringLiteral("--media-buttons")) {
        return writeMediaButtons(args[2]) ? 0 : 1;
    }
    if (args.size() != 2) {
        std::fprintf(
            stderr,
            "usage: ztvassetgen <appdir> | --warning <file.png> | --information <file.png> | "
            "--media-buttons <dir>\n");
        return 2;
    }
    return writeAppAssets(args[1]) ? 0 : 1;
}
