#include "editor/app/EditorStartup.h"
#include "editor/app/LaunchCommands.h"

#include "common/platform/Fonts.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    ztv::useApplicationFonts();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zentrovale"));
    QApplication::setApplicationVersion(QStringLiteral("3.0"));
    ztv::editor::StartOptions options{
        ztv::AppPaths::forApplication(), {}, 0, {}, nullptr, nullptr, {}, nullptr, {}};
    options.arguments = QApplication::arguments().mid(1);
    bool handedOver = false;
    auto session = ztv::editor::startEditor(options, &handedOver);
    if (!session) {
        return handedOver ? 0 : 1;
    }
    session->window->show();
    // The start screens are modal: they run once the main window is up.
    QTimer::singleShot(0, session->window.get(),
                       [&session] { session->window->showStartScreens(); });
    return QApplication::exec();
}
