// The main window's project, page and storyboard operations.
#include "common/formats/LangLines.h"
#include "common/formats/PageTable.h"
#include "common/platform/RecordFile.h"
#include "editor/app/CommandTable.h"
#include "editor/app/MainWindow.h"
#include "editor/app/ProjectCommands.h"
#include "editor/document/PageBook.h"
#include "editor/document/RecentProjects.h"
#include "editor/document/StoryboardRows.h"
#include "editor/document/WorkingCopy.h"
#include "editor/position/PositionStart.h"
#include "editor/storyboard/PictureList.h"
#include "editor/widgets/BusyCursor.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QStackedWidget>

namespace ztv::editor {

namespace {

enum ItemRole { IsColumnRole = Qt::UserRole, ColumnRole, RecordRole };

}  // namespace

bool MainWindow::openProject(const QString& projectHost) {
    return projects_->openProject(projectHost);
}

void MainWindow::fillPageList() {
    comboPage_->clear();
    for (const PageEntry& entry : document_.livePages()) {
        comboPage_->addItem(QString::number(entry.number) + QStringLiteral("  ") + entry.title);
    }
    // With no page open yet (a project just opened) the first page is the one proposed.
    if (document_.page() == 0) {
        comboPage_->setCurrentIndex(comboPage_->count() > 0 ? 0 : -1);
    } else {
        selectListedPage(document_.page());
    }
}

void MainWindow::selectListedPage(int page) {
    int index = -1;
    for (int i = 0; i < comboPage_->count(); ++i) {
        if (page > 0 && PageBook::numberOfEntry(comboPage_->itemText(i)) == page) {
            index = i;
        }
    }
    comboPage_->setCurrentIndex(index);
}

void MainWindow::updateCaption() {
    setWindowTitle(state_.text(lang::MainWindowCaption) + QStringLiteral("  ") +
                   state_.projectName);
}

void MainWindow::focusVisibleView() {
    if (state_.gridMode) {
        grid_->setFocus();
    } else {
        list_->setFocus();
    }
}

void MainWindow::focusGrid() {
    grid_->setFocus();
}

void MainWindow::refreshPictureList() {
    if (!state_.gridMode) {
        rebuildPictureList();
    }
}

CellRange MainWindow::selectedRange() const {
    return grid_->selectedRange();
}

void MainWindow::selectRange(const CellRange& range) {
    grid_->selectRange(range);
}

QPoint MainWindow::focusedCell() const {
    return grid_->focusedCell();
}

void MainWindow::raiseWindow() {
    showNormal();
    raise();
    activateWindow();
}

bool MainWindow::showsProject() const {
    return windowTitle() != state_.text(lang::MainWindowCaption);
}

void MainWindow::updateRecentItems() {
    for (int i = 0; i < 5; ++i) {
        QAction* item = items_.value(QStringLiteral("proj%1").arg(i + 1));
        const QString path = state_.settings.line(FirstRecentLine + i);
        const bool empty = path == QStringLiteral("$");
        item->setText(empty ? state_.text(lang::EmptyRecentSlot + i)
                            : QStringLiteral("%1- %2").arg(i + 1).arg(path));
        // An empty slot is nothing to open: the menu lists only the projects there are.
        item->setVisible(!empty);
    }
}

void MainWindow::repaintGrid() {
    grid_->tableModel().refresh();
    grid_->viewport()->update();
}

void MainWindow::openCell() {
    Storyboard& storyboard = document_.storyboard();
    if (storyboard.page() == 0) {
        message(lang::NoPageYet);
        runCommand(Command::NewPage);
        return;
    }
    const int column = storyboard.currentColumn();
    const int row = storyboard.currentRow();
    if (column == 0 || row == 0) {
        return;
    }
    applyCommandRules();
    openCellDialog(!storyboard.cellText(column, row).isEmpty());
}

void MainWindow::openCellDialog(bool hasElement) {
    if (!isCommandEnabled(Command::EditCell)) {
        message(lang::NotAvailableYet);
        return;
    }
    cellHasElement_ = hasElement;
    runCommand(Command::EditCell);
}

void MainWindow::dispatchCellDialog() {
    Storyboard& storyboard = document_.storyboard();
    const int column = storyboard.currentColumn();
    const int row = storyboard.currentRow();
    if (!cellDialog_ || column == 0 || row == 0) {
        return;
    }
    if (kindOfRow(row) == ElementKind::None) {
        message(lang::RowWithoutKind);
    }
    const CellDialogResult result = cellDialog_(row, cellHasElement_);
    cellHasElement_ = result.cellHasElement;
    if (!result.edit) {
        return;
    }
    document_.setUndoAvailable(true);
    storyboard.setCellText(column, row, result.edit->cellText);
    BusyCursor busy;
    document_.regenerate();
    refreshPictureList();
}

void MainWindow::positionCommand() {
    Storyboard& storyboard = document_.storyboard();
    const int column = storyboard.currentColumn();
    const int row = storyboard.currentRow();
    const QString cell = storyboard.cellText(column, row);
    if (cell.isEmpty()) {
        message(lang::EmptyCellToPlace);
    } else if (storyboard.page() == 0) {
        message(lang::NoCurrentPage);
    } else if (!storyboard.hasElements()) {
        message(lang::PageFileMissing);
    } else if (isDisappearanceMarker(cell, state_.language)) {
        prompter_.message(cell + state_.text(lang::CellHoldsNothingToPlace));
    } else if (kindOfRow(row) == ElementKind::Sound) {
        message(lang::SoundNotPlaceable);
    } else if (kindOfRow(row) == ElementKind::Background) {
        message(lang::BackgroundFixed);
    } else if (const auto records = readPageFile(storyboard.jouPath()); !records) {
        message(lang::PageFileMissing);
    } else {
        const int start = positionStartRecord(*records, column, row, state_.language);
        if (start < 0) {
            message(lang::NothingToPlace);
        } else if (positionEditor_) {
            positionEditor_(start);
        }
    }
}

void MainWindow::showGridView() {
    state_.gridMode = true;
    items_.value(QStringLiteral("Grille1"))->setChecked(true);
    items_.value(QStringLiteral("Storyboard1"))->setChecked(false);
    list_->clear();
    views_->setCurrentWidget(grid_);
    setEditingViewEnabled(true);
    repaintGrid();
}

void MainWindow::showPictureListView() {
    Storyboard& storyboard = document_.storyboard();
    if (storyboard.page() == 0) {
        message(lang::NoCurrentPage);
        items_.value(QStringLiteral("Storyboard1"))->setChecked(false);
        return;
    }
    state_.gridMode = false;
    items_.value(QStringLiteral("Storyboard1"))->setChecked(true);
    items_.value(QStringLiteral("Grille1"))->setChecked(false);
    rebuildPictureList();
}

void MainWindow::rebuildPictureList() {
    Storyboard& storyboard = document_.storyboard();
    const auto items = buildPictureList(storyboard.jouPath(), state_, prompter_);
    if (!items) {
        message(lang::PageFileMissing);
        showGridView();
        return;
    }
    QFont font(state_.text(lang::ListingFontName));
    font.setPointSize(7);
    list_->setFont(font);
    list_->clear();
    for (const PictureListItem& entry : *items) {
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(entry.picture)), entry.caption);
        item->setData(IsColumnRole, entry.isColumn);
        item->setData(ColumnRole, entry.column);
        item->setData(RecordRole, entry.recordIndex);
        item->setToolTip(entry.caption);
        list_->addItem(item);
    }
    views_->setCurrentWidget(list_);
    setEditingViewEnabled(false);
    if (list_->count() > 0) {
        list_->setCurrentRow(0);
    }
    list_->setFocus();
}

void MainWindow::setEditingViewEnabled(bool enabled) {
    editMenu_->menuAction()->setEnabled(enabled);
    for (Command command : kCellEditing) {
        refreshCommand(command);
    }
}

void MainWindow::selectPressedCell(int column, int row, Qt::MouseButton button, QPoint globalPos) {
    document_.setCurrentCell(column, row);
    if (button != Qt::RightButton) {
        return;
    }
    popupCell_ = QPoint(column, row);
    const QString text = document_.storyboard().cellText(column, row);
    setCommandEnabled(Command::OpenMedia, !text.isEmpty() && factsOfRow(row).fileInFichier);
    popup_->popup(globalPos);
}

void MainWindow::openChosenPage() {
    const QString entry = comboPage_->currentText();
    if (entry.isEmpty()) {
        return;
    }
    document_.storyboard().closePage();
    document_.switchToPage(PageBook::numberOfEntry(entry));
    refreshPictureList();
}

void MainWindow::selectListedCell(QListWidgetItem* item) {
    Storyboard& storyboard = document_.storyboard();
    if (!item) {
        return;
    }
    if (item->data(IsColumnRole).toBool()) {
        storyboard.setCurrentCell(item->data(ColumnRole).toInt(), 1);
    } else {
        const auto bytes = RecordFile::readAll(storyboard.jouPath(), kPageRecordSize);
        const int index = item->data(RecordRole).toInt();
        if (!bytes || index >= bytes->size()) {
            return;
        }
        const ElementRecord r = decodePageRecord(bytes->at(index));
        storyboard.setCurrentCell(r.Colonne, r.Ligne);
    }
    grid_->selectCell(storyboard.currentColumn(), storyboard.currentRow());
    updateStatus();
}

void MainWindow::openListedCell(QListWidgetItem* item) {
    selectListedCell(item);
    if (item && !item->data(IsColumnRole).toBool()) {
        openCellDialog(true);
    }
}

}  // namespace ztv::editor
