#include "player/engine/PlayerCommandLine.h"

#include <QFileInfo>

namespace ztv {
namespace {

constexpr int kMaxJoinedArguments = 1000;

QString first(const QStringList& args) {
    return args.isEmpty() ? QString() : args.first();
}

}  // namespace

StartMode startModeOf(const QStringList& args) {
    if (first(args) == QStringLiteral("somm")) {
        return StartMode::Preview;
    }
    if (first(args) == QStringLiteral("samm")) {
        return StartMode::ExternalHost;
    }
    return StartMode::Application;
}

std::optional<int> hostedPage(const QStringList& args) {
    bool ok = false;
    const int page = args.value(1).trimmed().toInt(&ok);
    return ok ? std::optional<int>(page) : std::nullopt;
}

QString hostedDataFolder(const QStringList& args) {
    return args.mid(2).join(u' ').trimmed();
}

bool isScreenSaverProgram(const QString& programPath) {
    return QFileInfo(programPath).fileName().endsWith(QStringLiteral(".scr"), Qt::CaseInsensitive);
}

ScreenSaverCommand screenSaverCommandOf(const QStringList& args) {
    const QString p = first(args).toUpper();
    if (p == QStringLiteral("/S")) {
        return ScreenSaverCommand::Show;
    }
    if (p == QStringLiteral("/P")) {
        return ScreenSaverCommand::Preview;
    }
    if (p.startsWith(QStringLiteral("/C"))) {
        return ScreenSaverCommand::Configure;
    }
    return ScreenSaverCommand::None;
}

QString commandLineProjectPath(const QStringList& args) {
    static const QStringList screenSaverForms = {"/S", "/p", "/s"};
    if (args.isEmpty() || screenSaverForms.contains(args.first())) {
        return {};
    }
    QString path = args.first();
    for (qsizetype i = 1; i < args.size() && i < kMaxJoinedArguments; ++i) {
        if (!args[i].isEmpty()) {
            path += u' ' + args[i];
        }
    }
    return path;
}

QString programBaseName(const QString& programPath) {
    const QString name = QFileInfo(programPath).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? name.left(dot) : name;
}

}  // namespace ztv
