// The main window's project, page and storyboard operations.
#include "common/formats/LangLines.h"
#include "common/formats/PageTable.h"
#include "common/platform/RecordFile.h"
#include "editor/app/MainWindow.h"
#include "editor/app/ProjectCommands.h"
#include "editor/app/RecentProjects.h"
#include "editor/document/PageBook.h"
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

void MainWindow::openPageTable() {
    const QString path = workingcopy::pageTablePath(state_.paths.workingDir());
    if (!QFileInfo::exists(path)) {
        pagetable::write(path, {});
    }
    const auto pages = pagetable::readAll(path);
    if (pages && !pages->isEmpty()) {
        fillPageList(0);
        state_.projectOpen = true;
    } else {
        comboPage_->clear();
    }
}

void MainWindow::fillPageList(int page) {
    const QString path = workingcopy::pageTablePath(state_.paths.workingDir());
    comboPage_->clear();
    for (const PageEntry& entry : pagetable::readLive(path)) {
        comboPage_->addItem(QString::number(entry.number) + QStringLiteral("  ") + entry.title);
    }
    int index = comboPage_->count() > 0 ? 0 : -1;
    if (page > 0) {
        index = -1;
        for (int i = 0; i < comboPage_->count(); ++i) {
            if (pageNumberOfEntry(comboPage_->itemText(i)) == page) {
                index = i;
            }
        }
    }
    comboPage_->setCurrentIndex(index);
    if (index < 0) {
        storyboard_.closePage();
    }
}

int MainWindow::pageNumberOfEntry(const QString& entry) {
    return PageBook::numberOfEntry(entry);
}

void MainWindow::showPage(int page) {
    storyboard_.closePage();
    storyboard_.clearCells();
    fillPageList(page);
    switchToPage(pageNumberOfEntry(comboPage_->currentText()));
}

void MainWindow::switchToPage(int page) {
    storyboard_.clearCells();
    storyboard_.setCurrentCell(0, 0);
    if (page > 0 && !storyboard_.openPage(page)) {
        message(lang::PageFileMissing);
    }
    setCommandEnabled(Command::Undo, false);
    repaintGrid();
    updateStatus();
}

void MainWindow::updateCaption() {
    setWindowTitle(state_.text(lang::MainWindowCaption) + QStringLiteral("  ") +
                   state_.projectName);
}

void MainWindow::saveEditorSettings() {
    QString error;
    if (!state_.settings.save(state_.paths.editorSettings(), &error)) {
        qWarning("zentrovale.ini not saved: %s", qPrintable(error));
    }
}

void MainWindow::focusVisibleView() {
    if (state_.gridMode) {
        grid_->setFocus();
    } else {
        list_->setFocus();
    }
}

void MainWindow::updateRecentItems() {
    for (int i = 0; i < 5; ++i) {
        QAction* item = items_.value(QStringLiteral("proj%1").arg(i + 1));
        const QString path = state_.settings.line(FirstRecentLine + i);
        const bool empty = path == QStringLiteral("$");
        item->setText(empty ? state_.text(727 + i) : QStringLiteral("%1- %2").arg(i + 1).arg(path));
        // An empty slot is nothing to open: the menu lists only the projects there are.
        item->setVisible(!empty);
    }
}

bool MainWindow::regeneratePage() {
    setModified(true);
    BusyCursor busy;
    QString error;
    const bool ok = storyboard_.regenerate(&error);
    if (!ok) {
        message(lang::PageFilesNotWritten);
    }
    repaintGrid();
    return ok;
}

void MainWindow::repaintGrid() {
    grid_->tableModel().refresh();
    grid_->viewport()->update();
}

void MainWindow::openCell() {
    if (storyboard_.page() == 0) {
        message(59);
        runCommand(Command::NewPage);
        return;
    }
    const int column = storyboard_.currentColumn();
    const int row = storyboard_.currentRow();
    if (column == 0 || row == 0) {
        return;
    }
    refreshCellCommands();
    openCellDialog(!storyboard_.cellText(column, row).isEmpty());
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
    const int column = storyboard_.currentColumn();
    const int row = storyboard_.currentRow();
    if (!cellDialog_ || column == 0 || row == 0) {
        return;
    }
    if (kindOfRow(row) == ElementKind::None) {
        message(58);
    }
    const CellDialogResult result = cellDialog_(row, cellHasElement_);
    cellHasElement_ = result.cellHasElement;
    if (!result.edit) {
        return;
    }
    setCommandEnabled(Command::Undo, true);
    storyboard_.setCellText(column, row, result.edit->cellText);
    regeneratePage();
    if (!state_.gridMode) {
        rebuildPictureList();
    }
}

void MainWindow::positionCommand() {
    const int column = storyboard_.currentColumn();
    const int row = storyboard_.currentRow();
    const QString cell = storyboard_.cellText(column, row);
    if (cell.isEmpty()) {
        message(456);
    } else if (storyboard_.page() == 0) {
        message(lang::NoCurrentPage);
    } else if (!storyboard_.hasElements()) {
        message(lang::PageFileMissing);
    } else if (isDisappearanceMarker(cell, state_.language)) {
        prompter_.message(cell + state_.text(lang::CellHoldsNothingToPlace));
    } else if (kindOfRow(row) == ElementKind::Sound) {
        message(83);
    } else if (kindOfRow(row) == ElementKind::Background) {
        message(66);
    } else if (const auto records = readPageFile(storyboard_.jouPath()); !records) {
        message(lang::PageFileMissing);
    } else {
        const int start = positionStartRecord(*records, column, row, state_.language);
        if (start < 0) {
            message(68);
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
    if (storyboard_.page() == 0) {
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
    const auto items = buildPictureList(storyboard_.jouPath(), state_, prompter_);
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
    storyboard_.setCurrentCell(column, row);
    updateStatus();
    if (button != Qt::RightButton) {
        return;
    }
    popupCell_ = QPoint(column, row);
    const QString text = storyboard_.cellText(column, row);
    setCommandEnabled(Command::OpenMedia, !text.isEmpty() && factsOfRow(row).fileInFichier);
    popup_->popup(globalPos);
}

void MainWindow::openChosenPage() {
    const QString entry = comboPage_->currentText();
    if (entry.isEmpty()) {
        return;
    }
    storyboard_.closePage();
    switchToPage(pageNumberOfEntry(entry));
    if (!state_.gridMode) {
        rebuildPictureList();
    }
}

void MainWindow::selectListedCell(QListWidgetItem* item) {
    if (!item) {
        return;
    }
    if (item->data(IsColumnRole).toBool()) {
        storyboard_.setCurrentCell(item->data(ColumnRole).toInt(), 1);
    } else {
        const auto bytes = RecordFile::readAll(storyboard_.jouPath(), kPageRecordSize);
        const int index = item->data(RecordRole).toInt();
        if (!bytes || index >= bytes->size()) {
            return;
        }
        const ElementRecord r = decodePageRecord(bytes->at(index));
        storyboard_.setCurrentCell(r.Colonne, r.Ligne);
    }
    grid_->selectCell(storyboard_.currentColumn(), storyboard_.currentRow());
    updateStatus();
}

void MainWindow::openListedCell(QListWidgetItem* item) {
    selectListedCell(item);
    if (item && !item->data(IsColumnRole).toBool()) {
        openCellDialog(true);
    }
}

}  // namespace ztv::editor
