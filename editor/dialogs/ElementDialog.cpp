#include "editor/dialogs/ElementDialog.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/dialogs/PageChooser.h"
#include "editor/dialogs/PathField.h"
#include "editor/document/MediaLookup.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/StoredPath.h"
#include "editor/document/Storyboard.h"
#include "editor/position/HandleGeometry.h"
#include "editor/position/PositionEditor.h"
#include "editor/widgets/ComboLists.h"
#include "editor/widgets/DialogButton.h"
#include "editor/widgets/HelpPages.h"
#include "editor/widgets/TransitionOption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <algorithm>

namespace ztv::editor {

namespace {

bool oneOf(ActionKind kind, std::initializer_list<ActionKind> kinds) {
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

}  // namespace

ElementDialog::ElementDialog(SessionSettings& settings, Prompter& prompter, Storyboard& storyboard,
                             bool hasElement, QWidget* parent)
    : TiledDialog(parent),
      state_(settings),
      prompter_(prompter),
      storyboard_(storyboard),
      records_(storyboard, settings.language, QSize(settings.projectWidth, settings.projectHeight)),
      pictures_(settings, prompter),
      colours_(settings.rememberedColours),
      row_(storyboard.currentRow()),
      column_(storyboard.currentColumn()),
      existing_(hasElement) {
    choosePage = [this] { return editor::choosePage(state_, this); };
}

QString ElementDialog::text(int line) const {
    return state_.text(line);
}

ActionKind ElementDialog::listedAction(const QString& action) const {
    return action.isEmpty() ? ActionKind::Unknown : actionKind(action, state_.language);
}

bool ElementDialog::isLine(const QString& value, int line) const {
    return value == state_.text(line);
}

void ElementDialog::setVisible(bool visible) {
    if (visible && !activated_) {
        loadCell();
    }
    TiledDialog::setVisible(visible);
}

void ElementDialog::loadCell() {
    activated_ = true;
    fillLists();
    records_.rebuildDefaultRects();
    if (!existing_) {
        setNewDefaults();
    } else if (const int index = records_.findCell(row_, column_); index > 0) {
        actIndex_ = index;
        showRecord(*records_.record(index));
    } else {
        prompter_.message(state_.language.message(lang::CellElementNotFound));
    }
    afterActivate();
}

bool ElementDialog::buildRecord(ElementRecord& record, QString& cellText) {
    if (existing_ && actIndex_ > 0) {
        if (const auto old = records_.record(actIndex_)) {
            record = *old;
        }
    }
    if (!fillRecord(record, cellText)) {
        return false;
    }
    record.Ligne = row_;
    record.Colonne = column_;
    return true;
}

void ElementDialog::writeAndClose() {
    ElementRecord record;
    QString cellText;
    if (!buildRecord(record, cellText)) {
        setResult(0);
        return;
    }
    int written = 0;
    QString error;
    switch (records_.save(record, existing_ ? actIndex_ : 0, &written, &error)) {
        case CellRecords::SaveError::PageMissing:
            prompter_.message(text(lang::FilePrefix) + u' ' + QString::number(storyboard_.page()) +
                              u' ' + text(lang::NotFoundSuffix));
            setResult(0);
            return;
        case CellRecords::SaveError::WriteFailed:
            prompter_.message(text(lang::ElementNotWritten) + u'\n' + error);
            setResult(0);
            return;
        case CellRecords::SaveError::None:
            break;
    }
    actIndex_ = written;
    storyboard_.setDefaultRect(row_, recordRect(record));
    afterSave(record);
    edit_ = CellEdit{record, cellText};
    done(Prompter::Yes);
}

bool ElementDialog::writePreview() {
    ElementRecord record;
    QString cellText;
    if (!buildRecord(record, cellText)) {
        return false;
    }
    QString error;
    switch (records_.previewWrite(record, existing_, cellText, &previewedJouIndex_, &error)) {
        case CellRecords::PreviewError::NotFound:
            prompter_.message(state_.language.message(lang::PreviewElementNotFound));
            return false;
        case CellRecords::PreviewError::WriteFailed:
            prompter_.message(text(lang::PreviewNotWritten) + u'\n' + error);
            return false;
        case CellRecords::PreviewError::None:
            break;
    }
    storyboard_.setDefaultRect(row_, recordRect(record));
    if (previewedJouIndex_ < 0) {
        prompter_.message(state_.language.message(lang::PreviewElementLost));
    }
    return true;
}

void ElementDialog::positionElement(bool preview) {
    if (!writePreview()) {
        return;
    }
    const bool kept =
        runPositionEditor(state_, prompter_, storyboard_, previewedJouIndex_, preview, this);
    if (kept && !existing_) {
        // The new element is in the .ACT file now: the dialog edits it from here on.
        storyboard_.fill();
        existing_ = true;
    }
    if (kept || existing_) {
        loadCell();
    }
}

QString ElementDialog::helpPath() const {
    return helpPagePath(state_, {helpPage(true), helpPage(false)});
}

void ElementDialog::showHelp() {
    openHelpPage(state_, prompter_, {helpPage(true), helpPage(false)});
}

void ElementDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        showHelp();
        return;
    }
    TiledDialog::keyPressEvent(event);
}

void ElementDialog::fillFromLines(QComboBox* list, std::span<const lang::LineRange> ranges) const {
    list->clear();
    for (const auto& [first, last] : ranges) {
        for (int line = first; line <= last; ++line) {
            list->addItem(text(line));
        }
    }
}

void ElementDialog::fillActionList(QComboBox* list) const {
    fillFromLines(list, lang::kActionRanges);
}

void ElementDialog::fillTransitionList(QComboBox* list) const {
    fillTransitionEntries(list, state_);
}

bool ElementDialog::transitionOption(const QString& effect, QLineEdit* bands, QCheckBox* stretch,
                                     int* size) {
    *size = 0;
    switch (transitionOptionKind(effect, state_.language)) {
        case TransitionOptionKind::Bands:
            return readInteger(bands, size);
        case TransitionOptionKind::Stretch:
            *size = stretch->isChecked() ? 1 : 0;
            break;
        case TransitionOptionKind::None:
            break;
    }
    return true;
}

void ElementDialog::showTransitionOption(const QString& effect, QLabel* bandsLabel,
                                         QLineEdit* bands, QCheckBox* stretch,
                                         int storedSize) const {
    editor::showTransitionOption(effect, state_.language, bandsLabel, bands, stretch, existing_,
                                 storedSize);
}

void ElementDialog::showActionParameters(const QString& action, QLineEdit* first,
                                         QPushButton* firstBrowse, QLineEdit* second,
                                         QPushButton* secondBrowse) const {
    using K = ActionKind;
    const K kind = listedAction(action);
    const bool withFirst =
        !oneOf(kind, {K::None, K::PrintScreen, K::ToggleVideo, K::ToggleSound, K::Quit});
    first->setVisible(withFirst);
    firstBrowse->setVisible(withFirst && !oneOf(kind, {K::GoToColumn, K::OpenAddress}));
    const bool withSecond =
        oneOf(kind, {K::GoToPageAndColumn, K::OpenDocumentWith, K::OpenWithParameters,
                     K::RunAndWait, K::PrintTextThenGoToPage});
    second->setVisible(withSecond);
    secondBrowse->setVisible(withSecond &&
                             !oneOf(kind, {K::GoToPageAndColumn, K::OpenWithParameters}));
}

void ElementDialog::browseFirstParameter(const QString& action, QLineEdit* edit) {
    using K = ActionKind;
    const K kind = listedAction(action);
    QString filter;
    // A program to wait for is a file to choose as well, though it does not go with the project.
    if (fileParameterCount(kind) > 0 || kind == K::RunAndWait) {
        filter = QStringLiteral("*.* (*)");
    } else if (kind == K::StartApplication) {
        filter = QStringLiteral("* (*)");
    } else if (kind == K::OpenProject) {
        filter = QStringLiteral("*.ztvx *.cab (*.ztvx *.ZTVX *.cab *.CAB)");
    } else if (kind == K::GoToPage || kind == K::GoToPageAndColumn) {
        if (const int page = choosePage(); page != 0) {
            edit->setText(QString::number(page));
        }
        return;
    } else {
        return;
    }
    const QString chosen = prompter_.openFileName(QString(), QString(), filter);
    if (!chosen.isEmpty()) {
        if (const QString stored = storedPath(chosen); !stored.isEmpty()) {
            showStoredPath(edit, stored, chosen);
        }
    }
}

void ElementDialog::browseSecondParameter(const QString& action, QLineEdit* edit) {
    const ActionKind kind = listedAction(action);
    if (kind == ActionKind::OpenDocumentWith) {
        const QString chosen =
            prompter_.openFileName(QString(), QString(), QStringLiteral("*.* (*)"));
        if (const QString stored = chosen.isEmpty() ? QString() : storedPath(chosen);
            !stored.isEmpty()) {
            showStoredPath(edit, stored, chosen);
        }
    } else if (kind == ActionKind::PrintTextThenGoToPage) {
        if (const int page = choosePage(); page != 0) {
            edit->setText(QString::number(page));
        }
    } else if (kind == ActionKind::RunAndWait) {
        // The program's parameter file: the program is given the host path as it stands, quoted
        // when it holds a blank, so it is kept as it reads rather than as a stored path.
        const QString chosen =
            prompter_.openFileName(QString(), QString(), QStringLiteral("*.* (*)"));
        if (!chosen.isEmpty() && !storedPath(chosen).isEmpty()) {
            const QString parameter = chosen.contains(u' ') ? u'"' + chosen + u'"' : chosen;
            showStoredPath(edit, parameter, parameter);
        }
    }
}

bool ElementDialog::readInteger(QLineEdit* edit, int* value) {
    return readInteger(edit->text(), edit, value);
}

bool ElementDialog::readInteger(const QString& typed, QWidget* focus, int* value) {
    bool ok = false;
    const int v = typed.trimmed().toInt(&ok);
    if (!ok) {
        prompter_.message(text(lang::NotAnInteger).arg(typed));
        focus->setFocus();
        return false;
    }
    *value = v;
    return true;
}

bool ElementDialog::readAttente(QLineEdit* edit, double* value) {
    const QLocale locale;
    bool ok = false;
    double v = locale.toDouble(edit->text().trimmed(), &ok);
    if (!ok) {
        // Typed with the other decimal separator.
        QString fixed = edit->text();
        fixed.replace(u'.', locale.decimalPoint());
        edit->setText(fixed);
        v = locale.toDouble(fixed.trimmed(), &ok);
    }
    if (!ok) {
        prompter_.message(text(lang::NotAFloat).arg(edit->text()));
        edit->setFocus();
        return false;
    }
    *value = v;
    return true;
}

QString ElementDialog::storedPath(const QString& hostPath) {
    const StoredPath stored = storedPathFor(state_.drives, hostPath);
    if (stored.refusal != 0) {
        prompter_.message(refusalMessage(state_, stored, hostPath));
    }
    return stored.path;
}

bool ElementDialog::readStoredPath(QLineEdit* edit, QString* stored) {
    const StoredPath path = storedPathIn(edit, state_.drives);
    if (path.refusal != 0) {
        prompter_.message(refusalMessage(state_, path, edit->text()));
        edit->setFocus();
        return false;
    }
    *stored = path.path;
    return true;
}

void ElementDialog::startTool(int settingsLine, QLineEdit* mediaFile) {
    QString fichier;
    if (mediaFile && !mediaFile->text().isEmpty() && !readStoredPath(mediaFile, &fichier)) {
        fichier.clear();
    }
    startOutsideTool(state_, prompter_, this, settingsLine, pictureArguments(state_, fichier),
                     startProgram);
}

ElementDialog::ButtonRow ElementDialog::makeButtonRow(std::initializer_list<RowButton> tools,
                                                      bool withPreview, const char* helpName) {
    ButtonRow row{new QHBoxLayout, {}, nullptr, nullptr, nullptr};
    auto button = [this, &row](const char* name, int line) {
        auto* b = dialogButton(this, name, text(line), QRect());
        row.layout->addWidget(b);
        return b;
    };
    for (const RowButton& tool : tools) {
        row.tools.append(button(tool.name, tool.line));
    }
    row.position = button("Button1", lang::VisualPlacementButton);
    connect(row.position, &QPushButton::clicked, this, [this] { positionElement(false); });
    if (withPreview) {
        row.preview = button("BVisualis", lang::PreviewButton);
        connect(row.preview, &QPushButton::clicked, this, [this] { positionElement(true); });
    }
    row.layout->addStretch();
    auto* ok = button("OKBtn", lang::ButtonOk);
    auto* cancel = button("CancelBtn", lang::ButtonCancel);
    row.help = button(helpName, lang::ButtonHelp);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ElementDialog::writeAndClose);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(row.help, &QPushButton::clicked, this, &ElementDialog::showHelp);
    return row;
}

}  // namespace ztv::editor
