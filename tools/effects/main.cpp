// Writes the editor's effect pictures (transitions/n.bmp) into the folder given.
#include "tools/effects/EffectGallery.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    if (app.arguments().size() != 2) {
        err << "usage: ztvtransgen DIR\n";
        return 2;
    }
    QString error;
    if (!ztv::gallery::writeTransitionPictures(app.arguments()[1], &error)) {
        err << "ztvtransgen: " << error << '\n';
        return 1;
    }
    return 0;
}
