#include "editor/position/PositionEditor.h"

#include "common/formats/ElementKinds.h"
#include "common/formats/LangLines.h"
#include "common/platform/FileIo.h"
#include "common/platform/Prompter.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/Storyboard.h"
#include "editor/position/PictureWidget.h"
#include "editor/position/PositionPalette.h"
#include "editor/widgets/TiledDialog.h"

#include <QCursor>
#include <QFileInfo>
#include <QPixmap>
#include <QScreen>

namespace ztv::editor {

namespace {

Qt::CursorShape handleCursor(Handle h) {
    switch (h) {
        case Handle::PGH:
        case Handle::PDB:
            return Qt::SizeFDiagCursor;
        case Handle::PGB:
        case Handle::PDH:
            return Qt::SizeBDiagCursor;
        case Handle::PCG:
        case Handle::PCD:
            return Qt::SizeHorCursor;
        case Handle::PCH:
        case Handle::PCB:
            return Qt::SizeVerCursor;
    }
    return Qt::ArrowCursor;
}

const char* handleName(Handle h) {
    static constexpr const char* names[] = {"PGH", "PGB", "PDH", "PDB", "PCG", "PCD", "PCH", "PCB"};
    return names[int(h)];
}

}  // namespace

PositionEditor::PositionEditor(SessionSettings& state, Prompter& prompter, Storyboard& storyboard,
                               int jouIndex, bool preview, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint),
      state_(state),
      prompter_(prompter),
      storyboard_(storyboard),
      records_(storyboard, state.language, QSize(state.projectWidth, state.projectHeight)),
      rendering_(state, prompter, QSize(state.projectWidth, state.projectHeight)),
      jouIndex_(jouIndex),
      preview_(preview) {
    setObjectName(QStringLiteral("TForm200"));
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setFixedSize(rendering_.page().size());

    page_ = new PictureWidget(this, Qt::black);
    page_->setObjectName(QStringLiteral("Image2"));
    page_->setGeometry(rect());
    page_->onPress = [this](QPoint at) { pageClicked(at); };

    overlay_ = new PictureWidget(this);
    overlay_->setObjectName(QStringLiteral("Image1"));
    overlay_->hide();
    const QString cursor = state_.paths.asset(QStringLiteral("handflat.cur"));
    if (QFileInfo::exists(cursor)) {
        overlay_->setCursor(QCursor(QPixmap(cursor)));
    }
    overlay_->onPress = [this](QPoint at) { overlayPressed(at); };
    overlay_->onMove = [this](QPoint at) { overlayMoved(at); };
    overlay_->onRelease = [this](QPoint) { overlayReleased(); };
    buildHandles();

    previewTimer_.setTimerType(Qt::PreciseTimer);
    connect(&previewTimer_, &QTimer::timeout, this, &PositionEditor::previewTick);
}

PositionEditor::~PositionEditor() = default;

void PositionEditor::buildHandles() {
    for (Handle h : kHandles) {
        auto* handle = new PictureWidget(this, Qt::black);
        handle->setObjectName(QLatin1String(handleName(h)));
        handle->setCursor(handleCursor(h));
        handle->hide();
        handle->onPress = [this, h](QPoint at) {
            if (pressHandle(h)) {
                handleGrab_ = at;
            }
        };
        handle->onMove = [this, h](QPoint at) { handleMoved(h, at); };
        handle->onRelease = [this, h, handle](QPoint) {
            if (resizing_ == h) {
                dropHandle(h, handle->pos());
            }
        };
        handles_[std::size_t(h)] = handle;
    }
}

QWidget* PositionEditor::overlay() const {
    return overlay_;
}

QWidget* PositionEditor::handle(Handle h) const {
    return handles_[std::size_t(h)];
}

QWidget* PositionEditor::page() const {
    return page_;
}

QRect PositionEditor::elementRect() const {
    return overlay_->geometry();
}

void PositionEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!activated_) {
        activate();
    }
}

// On first showing: centred on the screen, then the page comes up to the edited element.
void PositionEditor::activate() {
    activated_ = true;
    if (const QScreen* screen = this->screen()) {
        move(screen->geometry().center() - rect().center());
    }
    if (preview_) {
        fullRedraw_ = true;
    }
    jouAtOpen_ = readWhole(storyboard_.jouPath()).value_or(QByteArray());
    loadAndRender();
}

void PositionEditor::loadAndRender() {
    busy_ = true;
    closePalette();
    hideHandles();
    overlay_->hide();
    const auto records = readPageFile(storyboard_.jouPath());
    if (!records) {
        prompter_.message(state_.language.message(lang::PageFileMissing));
        rendering_.clear();
        page_->setPicture(rendering_.page());
        return;
    }
    hasEdited_ = jouIndex_ > 0 && jouIndex_ < records->size() &&
                 !records->at(jouIndex_).Fichier.isEmpty() &&
                 kindOfRow(records->at(jouIndex_).Ligne) != ElementKind::None;
    if (hasEdited_) {
        // Another element starts from its first position.
        const ElementRecord& next = records->at(jouIndex_);
        arrivalShown_ =
            arrivalShown_ && next.Ligne == edited_.Ligne && next.Colonne == edited_.Colonne;
        edited_ = next;
    }
    rendering_.render(*records, hasEdited_ ? jouIndex_ : 0);
    page_->setPicture(rendering_.page());
    if (!hasEdited_) {
        // Nothing to place from that record: the whole page shows, and a click picks an element.
        busy_ = false;
        return;
    }
    showElement();
}

// The edited element on top, then its handles, or its appearance first when previewing.
void PositionEditor::showElement() {
    overlay_->setPicture(rendering_.elementPicture(edited_, jouIndex_));
    const QPoint at = elementPosition();
    overlay_->setGeometry(reachableRect(at.x(), at.y(), edited_.Largeur, edited_.Hauteur));
    if (preview_ && canPreview()) {
        startPreview();
        return;
    }
    preview_ = false;
    overlay_->show();
    overlay_->raise();
    showHandles();
}

void PositionEditor::showHandles() {
    const QRect element = overlay_->geometry();
    const HandleSize size = handleSize(element);
    for (Handle h : kHandles) {
        PictureWidget* handle = handles_[std::size_t(h)];
        handle->setGeometry(QRect(handlePosition(h, element), QSize(size.size, size.size)));
        handle->show();
        handle->raise();
    }
    dragPosition_ = element.topLeft();
    openPalette();
    busy_ = false;
    activateWindow();
    setFocus();
}

bool PositionEditor::arrivalShown() const {
    return arrivalShown_ && editedKind() == ElementKind::Animation;
}

QPoint PositionEditor::elementPosition() const {
    if (arrivalShown()) {
        return {withinReach(edited_.sensdegra.toInt()), withinReach(edited_.style.toInt())};
    }
    return {withinReach(edited_.Gauche), withinReach(edited_.Haut)};
}

void PositionEditor::hideHandles() {
    for (PictureWidget* handle : handles_) {
        handle->hide();
    }
}

void PositionEditor::openPalette() {
    if (!palette_) {
        palette_ = new PositionPalette(state_, prompter_, this);
        palette_->onApply = [this] { applyPalette(); };
        palette_->onGoTo = [this](int row, int column) { goToCell(row, column); };
        palette_->onClose = [this] { requestClose(); };
        palette_->onEffect = [this] { paletteEffect(); };
        palette_->onEscape = [this] { requestClose(); };
        palette_->onToggleArrival = [this] { toggleArrival(); };
        palette_->onApplyArrival = [this] { applyArrival(); };
        palette_->onTextLook = [this] { paletteTextLook(); };
    }
    palette_->showArrival(arrivalShown());
    palette_->fill(edited_);
    palette_->setEffectAvailable(canPreview());
    palette_->show();
    placePalette();
}

// At the page's right edge, or at its left edge when it would cover the element there; centred
// vertically.
void PositionEditor::placePalette() {
    palette_->adjustSize();
    const QRect element = overlay_->geometry();
    int left = width() - palette_->width();
    if (left < element.right() + 1 && element.left() != 0) {
        left = 0;
    }
    const int top = (height() - palette_->height()) / 2;
    palette_->move(mapToGlobal(QPoint(left, top)));
}

// Later: the palette may be closing from one of its own buttons.
void PositionEditor::closePalette() {
    if (palette_) {
        palette_->hide();
        palette_->deleteLater();
        palette_ = nullptr;
    }
}

bool runPositionEditor(SessionSettings& state, Prompter& prompter, Storyboard& storyboard,
                       int jouIndex, bool preview, QWidget* parent) {
    PositionEditor editor(state, prompter, storyboard, jouIndex, preview, parent);
    runModal(state, editor);
    return editor.positionsChanged();
}

}  // namespace ztv::editor
