#include "player/ui/PlayerStartup.h"

#include "common/platform/Fonts.h"

#include <QApplication>

int main(int argc, char** argv) {
    ztv::useApplicationFonts();
    QApplication app(argc, argv);
    return ztv::runPlayer(app);
}
