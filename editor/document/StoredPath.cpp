#include "editor/document/StoredPath.h"

#include "common/formats/LangLines.h"
#include "common/platform/Cp1252.h"
#include "common/platform/WinPath.h"
#include "editor/document/SessionSettings.h"

#include <QFileInfo>

namespace ztv::editor {

StoredPath storedPathFor(const DriveTable& drives, const QString& hostPath, int capacity) {
    const QString absolute = QFileInfo(hostPath).absoluteFilePath();
    if (!firstUnencodable(absolute).isEmpty()) {
        return {{}, lang::UnstorableCharacter};
    }
    const QString windows = drives.toWindows(absolute);
    if (windows.isEmpty()) {
        return {{}, lang::PathNotStorable};
    }
    const QString stored = winpath::withoutDrive(windows);
    if (toCp1252(stored).size() > capacity) {
        return {{}, lang::PathTooLong};
    }
    return {stored, 0};
}

QString refusalMessage(const SessionSettings& state, const StoredPath& stored,
                       const QString& hostPath) {
    return stored.refusal == lang::UnstorableCharacter
               ? unstorableCharacterMessage(state, hostPath)
               : state.text(stored.refusal) + u' ' + hostPath;
}

namespace {

// Names the character and its code, then where it was found.
QString characterRefusal(const SessionSettings& state, const QString& character,
                         const QString& where) {
    if (character.isEmpty()) {
        return {};
    }
    const QString code =
        QStringLiteral("U+%1").arg(character.toUcs4().value(0), 4, 16, QLatin1Char('0')).toUpper();
    return state.text(lang::UnstorableCharacter) + u' ' + character + QStringLiteral(" (") + code +
           QStringLiteral(")\n") + where;
}

}  // namespace

QString unstorableCharacterMessage(const SessionSettings& state, const QString& hostPath) {
    return characterRefusal(state, firstUnencodable(QFileInfo(hostPath).absoluteFilePath()),
                            hostPath);
}

QString unstorableTextMessage(const SessionSettings& state, const QString& text) {
    return characterRefusal(state, firstUnencodable(text), text);
}

StoredPath storedPathForTyped(const DriveTable& drives, const QString& typed, int capacity) {
    const QString text = typed.trimmed();
    if (text.startsWith(u'/')) {
        return storedPathFor(drives, text, capacity);
    }
    const QString stored = winpath::hasDrive(text) ? winpath::withoutDrive(text) : text;
    if (!firstUnencodable(stored).isEmpty()) {
        return {{}, lang::UnstorableCharacter};
    }
    if (toCp1252(stored).size() > capacity) {
        return {{}, lang::PathTooLong};
    }
    return {stored, 0};
}

}  // namespace ztv::editor
