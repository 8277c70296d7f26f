#pragma once

#include "common/formats/ElementRecord.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

namespace ztv {
class LanguageFile;
}

namespace ztv::editor {

class Storyboard;

// The page files as the element dialogs read and write them: the cell's record in the .ACT
// file, find-or-append on OK with the undo snapshot, the preview write into the .JOU file, the
// default rectangles and the rectangles that disappearances take. Every rewrite goes through a
// temporary file, so a failed write leaves the page as it was.
class CellRecords {
  public:
    CellRecords(Storyboard& storyboard, const LanguageFile& language, QSize screen)
        : storyboard_(storyboard), language_(language), screen_(screen) {}

    // The default rectangle of every row from the .ACT file: the last record of a row wins;
    // the background is always the whole screen; sounds have none.
    void rebuildDefaultRects();

    // The first record with a file, the row and the column; -1 when there is none.
    int findCell(int row, int column) const;
    std::optional<ElementRecord> record(int index) const;
    // The .ACT file's records in file order, record 0 included.
    QList<ElementRecord> pageRecords() const;

    enum class SaveError { None, PageMissing, WriteFailed };
    // Takes the undo snapshot, then writes the record at index, or after the last record when
    // index is 0 (deleted records are never reused). The written index goes to *written.
    SaveError save(const ElementRecord& record, int index, int* written, QString* error = nullptr);

    enum class PreviewError { None, NotFound, WriteFailed };
    // Writes the record into the .JOU file (over the cell's record when existing, else after
    // the last one) and orders the .JOU file as the storyboard would with that cell shown; the
    // .ACT file is not touched. *jouIndex: the record's index in the ordered file.
    PreviewError previewWrite(const ElementRecord& record, bool existing, const QString& cellText,
                              int* jouIndex, QString* error = nullptr);

    // The rectangle a disappearance in the cell takes: that of the row's last element before
    // the column; 2, 2, 100, 100 when there is none or it has no size.
    QRect proposedDisappearanceRect(int row, int column) const;

    // The row's next record after the column, when it is a disappearance, takes the rectangle.
    bool propagateNextDisappearance(int row, int column, const QRect& rect,
                                    QString* error = nullptr);

  private:
    Storyboard& storyboard_;
    const LanguageFile& language_;
    QSize screen_;
};

// The index of the row's next record after the column (the smallest later column below 23, the
// first in file order among equals) when it is a disappearance that takes the element's
// rectangle; -1 otherwise.
int nextDisappearance(const QList<ElementRecord>& records, int row, int column,
                      const LanguageFile& language);

}  // namespace ztv::editor
