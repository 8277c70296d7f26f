#include "editor/app/RunningEditor.h"

#include "common/platform/FileIo.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QStringList>

namespace ztv::editor {

bool RunningEditor::write(const QString& fileHost, const RunningEditor& editor) {
    return writeLines(fileHost, {editor.display, editor.channel});
}

std::optional<RunningEditor> RunningEditor::read(const QString& fileHost) {
    const auto lines = readLines(fileHost);
    if (!lines || lines->size() < 2 || lines->at(0).isEmpty() || lines->at(1).isEmpty()) {
        return std::nullopt;
    }
    return RunningEditor{lines->at(0), lines->at(1)};
}

QString currentDisplayName() {
    if (const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY"); !wayland.isEmpty()) {
        return wayland;
    }
    const QString x = qEnvironmentVariable("DISPLAY");
    // ":0", ":0.0" and "unix:0" are one display: its host and number, without the screen.
    static const QRegularExpression xDisplay(QStringLiteral("^(.*):(\\d+)(\\.\\d+)?$"));
    if (const QRegularExpressionMatch m = xDisplay.match(x); m.hasMatch()) {
        const QString host = m.captured(1) == QStringLiteral("unix") ? QString() : m.captured(1);
        return host + u':' + m.captured(2);
    }
    return x.isEmpty() ? QGuiApplication::platformName() : x;
}

}  // namespace ztv::editor
