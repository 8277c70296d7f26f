#pragma once

#include "common/formats/LanguageFile.h"
#include "editor/document/Storyboard.h"
#include "editor/document/StoryboardClipboard.h"
#include "editor/storyboard/StoryboardPictures.h"
#include "editor/storyboard/StoryboardTableModel.h"

#include <QTableView>

namespace ztv::editor {

// The grid `StringGrid1`: the header row (columns "1" to "20") and the label column (language
// lines 300 to 360) stay in place; cells are painted with the storyboard pictures. Presses on
// the label column or the header row select no cell.
class StoryboardGrid : public QTableView {
    Q_OBJECT
  public:
    static constexpr int kLabelWidth = 112;
    static constexpr int kRowHeight = 20;
    // Presses closer than this to the grid's left edge select no column.
    static constexpr int kLabelPressWidth = 90;

    StoryboardGrid(Storyboard& storyboard, const LanguageFile& language,
                   const StoryboardPictures& pictures, int screenWidth, QWidget* parent = nullptr);

    StoryboardTableModel& tableModel() { return model_; }
    // The focused cell as (column, row), 1-based; (0, 0) when none.
    QPoint focusedCell() const;
    void selectCell(int column, int row);
    // The bounding rectangle of the selected cells; the focused cell when none is selected.
    CellRange selectedRange() const;
    void selectRange(const CellRange& range);
    // The cell a press at pos (grid coordinates, label column included) selects; a press on the
    // label column gives column 0, one on the header row gives row 0.
    static QPoint cellForPress(QPoint focused, QPoint pos);

  signals:
    // A press (any button) made (column, row) current; 0 means none.
    void cellPressed(int column, int row, Qt::MouseButton button, QPoint globalPos);
    void cellClicked(int column, int row);
    void cellActivated();  // double click or Enter

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void handlePress(QPoint gridPos, Qt::MouseButton button, QPoint globalPos);

    StoryboardTableModel model_;
};

}  // namespace ztv::editor
