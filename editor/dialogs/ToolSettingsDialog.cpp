#include "editor/dialogs/ToolSettingsDialog.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/StoredPath.h"
#include "editor/widgets/DialogButton.h"
#include "editor/widgets/HelpPages.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace ztv::editor {

namespace {

struct ExternalTool {
    int settingsLine;
    int labelLine;
    const char* edit;
    const char* button;
};

constexpr ExternalTool kTools[] = {
    {PictureEditorLine, lang::PictureEditorLabel, "EditRet", "BtChoixRet"},
    {ScannerLine, lang::ScannerLabel, "EditScan", "BtChoixSca"},
    {SoundRecorderLine, lang::SoundProgramLabel, "EditSons", "BtChoixSon"},
    {VideoViewerLine, lang::VideoProgramLabel, "EditVideo", "BtChoixVid"},
    {VideoEditorLine, lang::VideoEditorLabel, "EditMont", "BtChoixMon"},
    {TextEditorLine, lang::TextEditorLabel, "EditText", "BtEditeur"},
};

}  // namespace

ToolSettingsDialog::ToolSettingsDialog(SessionSettings& state, Prompter& prompter, QWidget* parent)
    : TiledDialog(parent), state_(state), prompter_(prompter) {
    setObjectName(QStringLiteral("Form26"));
    setWindowTitle(state.text(lang::ToolSettingsCaption));
    setFixedSize(560, 330);
    QGroupBox* group =
        panelGroup(state.text(lang::ExternalProgramsGroup), QRect(12, 12, 536, 262), this);
    int top = 28;
    for (const ExternalTool& entry : kTools) {
        auto* label = new QLabel(state.text(entry.labelLine), group);
        label->setGeometry(12, top, 200, 22);
        auto* edit = new QLineEdit(group);
        edit->setObjectName(QLatin1String(entry.edit));
        edit->setGeometry(214, top, 240, 22);
        // Typing stores nothing: the path comes from the browse button.
        edit->setReadOnly(true);
        const QString path = state.settings.line(entry.settingsLine);
        if (path != QStringLiteral("$")) {
            edit->setText(path);
        }
        auto* browse = new QPushButton(QStringLiteral("..."), group);
        browse->setObjectName(QLatin1String(entry.button));
        browse->setGeometry(458, top, 32, 22);
        const int line = entry.settingsLine;
        connect(browse, &QPushButton::clicked, this, [this, line] { browseTool(line); });
        auto* clear = new QPushButton(QStringLiteral("\u00d7"), group);
        clear->setObjectName(QLatin1String(entry.button) + QStringLiteral("Clear"));
        clear->setGeometry(492, top, 32, 22);
        clear->setToolTip(state.text(lang::ClearToolProgram));
        connect(clear, &QPushButton::clicked, this, [this, line] { clearTool(line); });
        tools_.append({line, edit});
        top += 38;
    }
    auto* close =
        dialogButton(this, "BSortir", state.text(lang::ButtonClose), QRect(12, 288, 90, 30));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    attachHelp(this,
               dialogButton(this, "BitBtn5", state.text(lang::ButtonHelp), QRect(110, 288, 90, 30)),
               state, prompter,
               {QStringLiteral("projet.html#externe"), QStringLiteral("project.html#externe")});
}

void ToolSettingsDialog::clearTool(int line) {
    showPath(line, QString());
    state_.settings.setLine(line, QStringLiteral("$"));
}

void ToolSettingsDialog::showPath(int line, const QString& path) {
    for (const Tool& tool : tools_) {
        if (tool.line == line) {
            tool.edit->setText(path);
        }
    }
}

void ToolSettingsDialog::browseTool(int line) {
    const QString path = prompter_.openFileName(state_.text(lang::ToolSettingsCaption), QString(),
                                                QStringLiteral("(*)"));
    if (path.isEmpty()) {
        return;
    }
    if (const QString refusal = unstorableCharacterMessage(state_, path); !refusal.isEmpty()) {
        prompter_.message(refusal);
        return;
    }
    showPath(line, path);
    state_.settings.setLine(line, path);
}

}  // namespace ztv::editor
