#include "editor/dialogs/LongTextDialog.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "common/platform/ShownPath.h"
#include "editor/dialogs/PathField.h"
#include "editor/document/MediaLookup.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/Storyboard.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QEvent>
#include <QFontDialog>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

namespace ztv::editor {

LongTextDialog::Kind LongTextDialog::shownKind() const {
    const QString path = edit1_->text().trimmed();
    return path.isEmpty() ? Kind::Plain : LongTextDocument::kindOf(path);
}

QString LongTextDialog::helpPage(bool french) const {
    return french ? QStringLiteral("longtexte.html") : QStringLiteral("longtext.html");
}

void LongTextDialog::fillLists() {
    setWindowTitle(text(existing_ ? lang::ChangeLongTextCaption : lang::PlaceLongTextCaption));
}

void LongTextDialog::setNewDefaults() {
    showRect(QRect(QPoint(2, 2), kTextBox));
    border_->setChecked(true);
}

void LongTextDialog::showRecord(const ElementRecord& r) {
    const LongTextFields fields = LongTextFields::fromRecord(r, state_.language);
    border_->setChecked(fields.border);
    showRect(fields.rect);
    colours_[0] = fields.text;
    colours_[1] = fields.background;
    state_.rememberedFont = fields.font;
    showStoredPath(edit1_, fields.fichier, shownMediaPath(state_, fields.fichier));
}

void LongTextDialog::afterActivate() {
    showFontLabels();
    paintSwatches();
    showFile();
}

void LongTextDialog::showRect(const QRect& rect) {
    const int values[] = {rect.left(), rect.top(), rect.width(), rect.height()};
    for (std::size_t i = 0; i < rect_.size(); ++i) {
        rect_[i]->setText(QString::number(values[i]));
    }
}

void LongTextDialog::showFontLabels() {
    const RememberedFont& font = state_.rememberedFont;
    const QString shown[] = {font.name, text(font.styleLine), QString::number(font.points)};
    for (std::size_t i = 0; i < fontLabels_.size(); ++i) {
        fontLabels_[i]->setText(shown[i]);
    }
}

void LongTextDialog::paintSwatches() {
    for (std::size_t i = 0; i < swatches_.size(); ++i) {
        swatches_[i]->setStyleSheet(
            QStringLiteral("QFrame { background: %1; }").arg(colours_[i].name()));
    }
}

// A rich text keeps its own fonts and colours, a page its own look altogether.
void LongTextDialog::applyKindControls(Kind kind) {
    const bool page = kind == Kind::Html || kind == Kind::Unsupported;
    const bool plain = kind == Kind::Plain;
    for (QLabel* label : fontLabels_) {
        label->setVisible(plain);
    }
    hint_->setVisible(plain);
    swatches_[0]->setVisible(plain);
    swatches_[1]->setVisible(!page);
    backgroundLabel_->setVisible(!page);
    border_->setVisible(!page);
    richEdit_->setVisible(!page);
    browser_->setVisible(page);
}

void LongTextDialog::applyBoxLook() {
    QPalette palette = richEdit_->palette();
    palette.setColor(QPalette::Base, colours_[1]);
    richEdit_->setPalette(palette);
    richEdit_->setFrameShape(border_->isChecked() ? QFrame::Box : QFrame::NoFrame);
}

bool LongTextDialog::showFile() {
    const Kind kind = shownKind();
    applyKindControls(kind);
    applyBoxLook();
    shownFile_ = false;
    richEdit_->clear();
    browser_->clear();
    QString stored;
    if (edit1_->text().trimmed().isEmpty() || !readStoredPath(edit1_, &stored)) {
        return false;
    }
    const QString host = findMediaHost(state_, stored);
    if (host.isEmpty()) {
        prompter_.message(text(lang::LongTextPrefix) + u' ' + shownPath(state_.drives, stored) +
                          u' ' + text(lang::MediaNotFoundSuffix));
        return false;
    }
    const LongTextLook look{state_.rememberedFont.font(state_.language), colours_[0], colours_[1]};
    LongTextDocument* document = kind == Kind::Plain || kind == Kind::Rich ? richText_ : page_;
    QString error;
    if (!document->load(host, look, &error)) {
        prompter_.message(text(lang::LongTextPrefix) + u' ' + host + u' ' +
                          text(lang::LongTextUnreadable) + u' ' + error);
        return false;
    }
    shownFile_ = true;
    return true;
}

void LongTextDialog::chooseFile() {
    const QString filter = QStringLiteral(
        "(*.txt,*.rtf,*.htm,*.html) (*.txt *.rtf *.htm *.html *.TXT *.RTF *.HTM *.HTML);;"
        "* (*)");
    const QString chosen = prompter_.openFileName(text(lang::TextFileGroup), QString(), filter);
    if (const QString stored = chosen.isEmpty() ? QString() : storedPath(chosen);
        !stored.isEmpty()) {
        showStoredPath(edit1_, stored, chosen);
        showFile();
    }
}

// A path typed into the file edit is shown when the edit is left or on Enter.
void LongTextDialog::takeTypedFile() {
    if (!edit1_->isModified()) {
        return;
    }
    edit1_->setModified(false);
    showFile();
}

void LongTextDialog::chooseFont() {
    QFont shown = state_.rememberedFont.font(state_.language);
    shown.setPointSize(state_.rememberedFont.points);
    QFontDialog dialog(shown, this);
    if (runModal(state_, dialog) != QDialog::Accepted) {
        return;
    }
    state_.rememberedFont.set(dialog.currentFont());
    showFontLabels();
    if (shownFile_ && shownKind() == Kind::Plain) {
        showFile();
    }
}

void LongTextDialog::chooseSwatchColour(int swatch) {
    QColorDialog dialog(colours_[std::size_t(swatch)], this);
    if (runModal(state_, dialog) != QDialog::Accepted) {
        return;
    }
    colours_[std::size_t(swatch)] = dialog.currentColor().toRgb();
    paintSwatches();
    if (swatch == 0 && shownFile_ && shownKind() == Kind::Plain) {
        showFile();
    }
    applyBoxLook();
}

void LongTextDialog::startTextEditor() {
    if (edit1_->text().trimmed().isEmpty()) {
        prompter_.message(text(lang::TextEditorWithoutFile));
    }
    startTool(TextEditorLine, edit1_);
}

bool LongTextDialog::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the file edit shows what was typed instead of pressing OK; pressed again, it does.
    if (watched == edit1_ && event->type() == QEvent::KeyPress && edit1_->isModified()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            takeTypedFile();
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        for (QLabel* label : fontLabels_) {
            if (watched == label) {
                chooseFont();
                return true;
            }
        }
        for (int i = 0; i < 2; ++i) {
            if (watched == swatches_[std::size_t(i)]) {
                chooseSwatchColour(i);
                return true;
            }
        }
    }
    return ElementDialog::eventFilter(watched, event);
}

bool LongTextDialog::readFields(LongTextFields& fields) {
    if (edit1_->text().trimmed().isEmpty()) {
        prompter_.message(state_.language.message(lang::ChooseTextFileFirst));
        browse_->setFocus();
        return false;
    }
    int values[4] = {};
    for (std::size_t i = 0; i < rect_.size(); ++i) {
        if (!readInteger(rect_[i], &values[i])) {
            return false;
        }
    }
    if (!readStoredPath(edit1_, &fields.fichier)) {
        return false;
    }
    // What cannot be shown is not placed on the page. A typed path is shown first, once.
    if (edit1_->isModified() || !shownFile_) {
        edit1_->setModified(false);
        if (!showFile()) {
            edit1_->setFocus();
            return false;
        }
    }
    fields.border = border_->isChecked();
    fields.rect = QRect(values[0], values[1], values[2], values[3]);
    fields.text = colours_[0];
    fields.background = colours_[1];
    fields.font = state_.rememberedFont;
    return true;
}

bool LongTextDialog::fillRecord(ElementRecord& r, QString& cellText) {
    LongTextFields fields;
    if (!readFields(fields)) {
        return false;
    }
    fields.toRecord(r, state_.language);
    cellText = fields.cellText();
    return true;
}

}  // namespace ztv::editor
