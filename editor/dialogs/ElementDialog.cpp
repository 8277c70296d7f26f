#include "editor/dialogs/ElementDialog.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/app/EditorState.h"
#include "editor/app/HelpPages.h"
#include "editor/dialogs/PageChooser.h"
#include "editor/dialogs/PathField.h"
#include "editor/dialogs/TransitionOption.h"
#include "editor/dialogs/Vocabulary.h"
#include "editor/document/StoredPath.h"
#include "editor/document/Storyboard.h"
#include "editor/position/HandleGeometry.h"
#include "editor/position/PositionEditor.h"
#include "player/transitions/EffectNames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <algorithm>

namespace ztv::editor {

namespace {

bool oneOf(int line, std::initializer_list<int> lines) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace

ElementDialog::ElementDialog(EditorState& state, Prompter& prompter, Storyboard& storyboard,
                             QWidget* parent)
    : TiledDialog(parent),
      state_(state),
      prompter_(prompter),
      storyboard_(storyboard),
      records_(storyboard, state.language, QSize(state.projectWidth, state.projectHeight)),
      pictures_(state, prompter),
      row_(storyboard.currentRow()),
      column_(storyboard.currentColumn()),
      existing_(state.hasElement) {
    choosePage = [this] { return editor::choosePage(state_, this); };
}

QString ElementDialog::text(int line) const {
    return state_.text(line);
}

bool ElementDialog::isLine(const QString& value, int line) const {
    return value == state_.text(line);
}

void ElementDialog::setVisible(bool visible) {
    if (visible && !activated_) {
        FormActivate();
    }
    TiledDialog::setVisible(visible);
}

void ElementDialog::FormActivate() {
    activated_ = true;
    fillLists();
    records_.rebuildDefaultRects();
    if (!existing_) {
        setNewDefaults();
    } else if (const int index = records_.findCell(row_, column_); index > 0) {
        actIndex_ = index;
        InitVisuel(*records_.record(index));
    } else {
        prompter_.message(state_.language.message(10));
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

void ElementDialog::OKBtnClick() {
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
            // Line 846: the element was not written, the page stays as it was.
            prompter_.message(text(846) + u'\n' + error);
            setResult(0);
            return;
        case CellRecords::SaveError::None:
            break;
    }
    actIndex_ = written;
    storyboard_.setDefaultRect(row_, recordRect(record));
    afterSave(record);
    state_.hasElement = false;
    state_.cellText = cellText;
    done(Prompter::Yes);
}

bool ElementDialog::EnregJou() {
    ElementRecord record;
    QString cellText;
    if (!buildRecord(record, cellText)) {
        return false;
    }
    QString error;
    switch (records_.previewWrite(record, existing_, cellText, &previewedJouIndex_, &error)) {
        case CellRecords::PreviewError::NotFound:
            prompter_.message(state_.language.message(11));
            return false;
        case CellRecords::PreviewError::WriteFailed:
            // Line 847: the preview was not written, the page stays as it was.
            prompter_.message(text(847) + u'\n' + error);
            return false;
        case CellRecords::PreviewError::None:
            break;
    }
    storyboard_.setDefaultRect(row_, recordRect(record));
    if (previewedJouIndex_ < 0) {
        prompter_.message(state_.language.message(13));
    }
    return true;
}

void ElementDialog::positionElement(bool preview) {
    if (!EnregJou()) {
        return;
    }
    const bool kept =
        runPositionEditor(state_, prompter_, storyboard_, previewedJouIndex_, preview, this);
    if (kept && !existing_) {
        // The new element is in the .ACT file now: the dialog edits it from here on.
        storyboard_.fill();
        existing_ = true;
        state_.hasElement = true;
    }
    if (kept || existing_) {
        FormActivate();
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

void ElementDialog::fillFromLines(QComboBox* list,
                                  std::initializer_list<std::pair<int, int>> runs) const {
    list->clear();
    for (const auto& [first, last] : runs) {
        for (int line = first; line <= last; ++line) {
            list->addItem(text(line));
        }
    }
}

void ElementDialog::fillActionList(QComboBox* list) const {
    fillFromLines(list, {{280, 295}, {299, 299}, {379, 379}});
}

void fillTransitionEntries(QComboBox* list, const EditorState& state) {
    list->clear();
    std::size_t picture = 0;
    for (const int line : EffectNames::listLines()) {
        const QImage& image = state.transitionPictures[picture++];
        list->addItem(QIcon(QPixmap::fromImage(image)), state.text(line));
    }
}

void ElementDialog::fillTransitionList(QComboBox* list) const {
    fillTransitionEntries(list, state_);
}

void ElementDialog::selectText(QComboBox* list, const QString& value) {
    list->setCurrentIndex(list->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive));
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
    const int line = vocabularyLine(state_.language, action, 280, 379);
    const bool withFirst = !oneOf(line, {280, 287, 289, 290, 291});
    first->setVisible(withFirst);
    firstBrowse->setVisible(withFirst && !oneOf(line, {282, 286}));
    const bool withSecond = oneOf(line, {283, 285, 292, 294, 379});
    second->setVisible(withSecond);
    secondBrowse->setVisible(withSecond && !oneOf(line, {283, 292}));
}

void ElementDialog::browseFirstParameter(const QString& action, QLineEdit* edit) {
    const int line = vocabularyLine(state_.language, action, 280, 379);
    QString filter;
    if (oneOf(line, {284, 285, 292, 294, 299, 288, 379})) {
        filter = QStringLiteral("*.* (*)");
    } else if (line == 293) {
        filter = QStringLiteral("* (*)");
    } else if (line == 295) {
        filter = QStringLiteral("*.ztvx *.cab (*.ztvx *.ZTVX *.cab *.CAB)");
    } else if (line == 281 || line == 283) {
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
    const int line = vocabularyLine(state_.language, action, 280, 379);
    if (line == 285) {
        const QString chosen =
            prompter_.openFileName(QString(), QString(), QStringLiteral("*.* (*)"));
        if (const QString stored = chosen.isEmpty() ? QString() : storedPath(chosen);
            !stored.isEmpty()) {
            showStoredPath(edit, stored, chosen);
        }
    } else if (line == 379) {
        if (const int page = choosePage(); page != 0) {
            edit->setText(QString::number(page));
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

}  // namespace ztv::editor
