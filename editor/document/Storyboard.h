#pragma once

#include "common/formats/ElementRecord.h"
#include "common/platform/RecordFile.h"

#include <QRect>
#include <QString>
#include <array>
#include <optional>

namespace ztv::editor {

// One page of the working copy as the storyboard sees it: the page's .ACT file (the editing
// store, kept open while the page is current), the 61 x 20 cell texts that mirror it, the
// column-used flags, the default rectangles of the rows and the current cell. Regeneration
// rewrites the .JOU file that the player and the element dialogs read. No widgets here.
class Storyboard {
  public:
    explicit Storyboard(QString workingDirHost);

    // The host path of page + extension in dir: an existing file whose name matches without
    // regard to case, else the canonical name ("3.ACT", "3.JOU").
    static QString pageFilePath(const QString& dirHost, int page, const QString& extension);

    // Makes the page current: opens its .ACT file (created empty when missing) and fills the
    // cells from it. False when the file cannot be opened; the page is then not current.
    bool openPage(int page, QString* error = nullptr);
    // Closes the .ACT file and forgets the page; the cells stay as they are.
    void closePage();
    int page() const { return page_; }
    QString actPath() const;
    QString jouPath() const;
    const QString& workingDir() const { return dir_; }

    // Reads the .ACT file into the cells, column flags and default rectangles.
    void fill();
    // Empties every cell and clears the column-used flags.
    void clearCells();
    bool hasElements() const;
    bool isColumnUsed(int column) const;

    // Columns 1 to 20, rows 1 to 61; anything else reads as empty and is not written.
    QString cellText(int column, int row) const;
    void setCellText(int column, int row, const QString& text);

    // Index of the cell's record in the .ACT file, -1 when the cell is empty or not found.
    int findCellRecord(int column, int row);
    std::optional<ElementRecord> actRecord(int index);
    qint64 actRecordCount() const { return act_.count(); }
    // Writes the record at index (the record count appends) by rewriting the whole .ACT file
    // through a temporary file: on failure the file stays as it was and error says why.
    bool writeActRecord(qint64 index, const ElementRecord& record, QString* error = nullptr);
    // Replaces the .ACT file by a copy of another page file through a temporary file; the page
    // stays open.
    bool replaceActWith(const QString& fromHost, QString* error = nullptr);
    // A page file in column then row order: for each occupied cell, the first of the records
    // that has its row and column.
    QByteArray orderedPageFile(const QList<ElementRecord>& records) const;

    // Compacts the .ACT file (tombstones and empty records dropped; written to a temporary
    // file and renamed over the old one) and rewrites the .JOU file in column then row order
    // from the cells. On failure the old files stay as they were and error says why.
    bool regenerate(QString* error = nullptr);

    QRect defaultRect(int row) const;
    void setDefaultRect(int row, const QRect& rect);

    // The cell the next command acts on; 0 in either means no cell.
    int currentRow() const { return currentRow_; }
    int currentColumn() const { return currentColumn_; }
    void setCurrentCell(int column, int row);

  private:
    static int cellIndex(int column, int row);
    bool reopenAct(QString* error);

    QString dir_;
    int page_ = 0;
    RecordFile act_{kPageRecordSize};
    std::array<QString, kRowCount * kColumnCount> cells_;
    std::array<bool, kColumnCount> columnUsed_{};
    std::array<QRect, kRowCount + 1> defaultRects_{};
    int currentRow_ = 0;
    int currentColumn_ = 0;
};

}  // namespace ztv::editor
