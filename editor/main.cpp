#include "editor/EditorStartup.h"

#include "common/platform/Fonts.h"

#include <QApplication>

int main(int argc, char** argv) {
    ztv::useApplicationFonts();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zentrovale"));
    QApplication::setApplicationVersion(QStringLiteral("3.0"));
    ztv::editor::StartOptions options{ztv::AppPaths::forApplication(), {}, 0, {}, nullptr};
    options.arguments = QApplication::arguments().mid(1);
    bool handedOver = false;
    auto session = ztv::editor::startEditor(options, &handedOver);
    if (!session) {
        return handedOver ? 0 : 1;
    }
    session->window->show();
    return QApplication::exec();
}
