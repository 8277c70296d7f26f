#include "editor/app/OutsideTools.h"

#include "common/formats/ElementKinds.h"
#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/app/EditorView.h"
#include "editor/document/MediaLookup.h"
#include "editor/document/ProjectDocument.h"

#include <QFileInfo>

namespace ztv::editor {

namespace {

bool isPictureRow(int row) {
    return isPictureKind(kindOfRow(row));
}

}  // namespace

int settingsLineOf(OutsideTool tool) {
    switch (tool) {
        case OutsideTool::Scanner:
            return ScannerLine;
        case OutsideTool::VideoEditor:
            return VideoEditorLine;
        case OutsideTool::PictureEditor:
            return PictureEditorLine;
        case OutsideTool::VideoViewer:
            return VideoViewerLine;
        case OutsideTool::SoundRecorder:
            return SoundRecorderLine;
        case OutsideTool::TextEditor:
            return TextEditorLine;
    }
    return TextEditorLine;
}

bool toolTakesRow(OutsideTool tool, int row) {
    switch (tool) {
        case OutsideTool::PictureEditor:
            return isPictureRow(row);
        case OutsideTool::VideoViewer:
            return kindOfRow(row) == ElementKind::Video;
        case OutsideTool::SoundRecorder:
            return kindOfRow(row) == ElementKind::Sound;
        case OutsideTool::TextEditor:
            return kindOfRow(row) == ElementKind::LongText;
        case OutsideTool::Scanner:
        case OutsideTool::VideoEditor:
            return false;
    }
    return false;
}

OutsideTool toolForRow(int row) {
    if (isPictureRow(row)) {
        return OutsideTool::PictureEditor;
    }
    switch (kindOfRow(row)) {
        case ElementKind::Sound:
            return OutsideTool::SoundRecorder;
        case ElementKind::Video:
            return OutsideTool::VideoViewer;
        default:
            return OutsideTool::TextEditor;
    }
}

bool startProgram(const SessionSettings& state, Prompter& prompter, const QString& program,
                  const QStringList& arguments, const QString& folder) {
    if (state.shell->open(program, arguments, folder)) {
        return true;
    }
    prompter.message(state.text(lang::ProgramNotStarted) + u' ' + program);
    return false;
}

OutsideTools::OutsideTools(ProjectDocument& document, Prompter& prompter, EditorView& view,
                           std::function<void()> setUpTools)
    : document_(document), prompter_(prompter), view_(view), setUpTools_(std::move(setUpTools)) {}

QString OutsideTools::cellMediaPath() {
    Storyboard& board = document_.storyboard();
    const int row = board.currentRow();
    const int column = board.currentColumn();
    if (board.page() == 0 || board.cellText(column, row).isEmpty()) {
        return {};
    }
    const int index = board.findCellRecord(column, row);
    const auto record = index > 0 ? board.actRecord(index) : std::nullopt;
    if (!record || record->Fichier.isEmpty() || !record->Fichier.startsWith(u'\\')) {
        return {};
    }
    return findMediaHost(document_.state(), record->Fichier);
}

QStringList OutsideTools::arguments(OutsideTool tool) {
    if (!toolTakesRow(tool, document_.storyboard().currentRow())) {
        return {};
    }
    const QString media = cellMediaPath();
    return media.isEmpty() ? QStringList() : QStringList{media};
}

void OutsideTools::start(OutsideTool tool) {
    SessionSettings& state = document_.state();
    const int line = settingsLineOf(tool);
    if (state.settings.line(line) == QStringLiteral("$")) {
        setUpTools_();
    }
    const QString program = state.settings.line(line);
    if (program != QStringLiteral("$") && !program.isEmpty()) {
        startProgram(state, prompter_, program, arguments(tool), QFileInfo(program).absolutePath());
    }
    view_.focusVisibleView();
}

}  // namespace ztv::editor
