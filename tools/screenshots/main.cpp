// Takes the pictures of the documentation from an application folder:
//   ztvshots APPDIR DEMODIR OUTDIR [NAME...]   every shot (or the ones named) as OUTDIR/NAME.png
// DEMODIR holds the demo project the shots open (and build, beside it).
// The authoring program's windows are drawn in this process; the player runs as its own
// program, so its shot needs an X display (xvfb-run). A shot that comes out as one flat colour
// shows nothing and fails.
#include "Shots.h"

#include "common/platform/Fonts.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

namespace {

bool isFlat(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            if (rgb.pixel(x, y) != rgb.pixel(0, 0)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    ztv::useApplicationFonts();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: ztvshots APPDIR DEMODIR OUTDIR [NAME...]\n");
        return 2;
    }
    const QString outDir = args[3];
    const QStringList wanted = args.mid(4);
    QTemporaryDir data;  // what the authoring program writes while it is shown
    ztv::shots::ShotContext context(QDir(args[1]).absolutePath(), QDir(args[2]).absolutePath(),
                                    data.path());
    QDir().mkpath(outDir);
    int failures = 0;
    for (const ztv::shots::Shot& shot : ztv::shots::allShots()) {
        if (!wanted.isEmpty() && !wanted.contains(shot.name)) {
            continue;
        }
        QString error;
        const QImage image = shot.take(context, error);
        const QString path = QDir(outDir).filePath(shot.name + QStringLiteral(".png"));
        if (image.isNull() || isFlat(image) || !image.save(path)) {
            std::fprintf(
                stderr, "ztvshots: %s: %s\n", qPrintable(shot.name),
                qPrintable(error.isEmpty() ? QStringLiteral("nothing shown or not saved") : error));
            ++failures;
            continue;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return failures == 0 ? 0 : 1;
}
