#include "editor/storyboard/StoryboardGrid.h"

#include "common/formats/LangLines.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/StoryboardRows.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace ztv::editor {

namespace {

// Colours of the cell texts, by the marker they show.
QColor cellTextColour(const QString& text, const LanguageFile& language) {
    if (text == language.text(lang::MarkerPlainBackground)) {
        return QColor(255, 0, 0);
    }
    if (text == language.text(lang::MarkerGradient)) {
        return QColor(128, 0, 0);
    }
    if (text == language.text(lang::MarkerSoundStop)) {
        return QColor(0, 128, 0);
    }
    if (text == language.text(lang::MarkerDisappear) ||
        text == language.text(lang::MarkerBackgroundDisappear)) {
        return QColor(255, 0, 255);
    }
    return QColor(0, 0, 255);
}

void drawPicture(QPainter* painter, const QRect& rect, const QImage& image,
                 const QColor& fallback) {
    if (image.isNull()) {
        painter->fillRect(rect, fallback);
    } else {
        painter->drawImage(rect, image);
    }
}

class CellDelegate : public QStyledItemDelegate {
  public:
    CellDelegate(const Storyboard& storyboard, const LanguageFile& language,
                 const StoryboardPictures& pictures, QObject* parent)
        : QStyledItemDelegate(parent),
          storyboard_(storyboard),
          language_(language),
          pictures_(pictures) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const int column = index.column() + 1;
        const QString text = index.data().toString();
        const bool used = storyboard_.isColumnUsed(column);
        const QRect r = option.rect;
        painter->save();
        QColor textBackground;
        if (option.state & QStyle::State_Selected) {
            painter->fillRect(r, Qt::white);
            textBackground = Qt::white;
        } else {
            drawPicture(painter, r, used ? pictures_.cellUsed : pictures_.cellEmpty,
                        used ? QColor(216, 225, 239) : QColor(243, 226, 195));
            textBackground = used ? QColor(216, 225, 239) : QColor(243, 226, 195);
        }
        if (!text.isEmpty()) {
            const QFontMetrics metrics(option.font);
            const QRect area = r.adjusted(2, 0, -1, 0);
            const QString shown = metrics.elidedText(text, Qt::ElideRight, area.width());
            const int top = r.top() + 1 + (r.height() - metrics.height()) / 2;
            const QRect textRect(area.left(), top, metrics.horizontalAdvance(shown),
                                 metrics.height());
            painter->fillRect(textRect, textBackground);
            painter->setFont(option.font);
            painter->setPen(cellTextColour(text, language_));
            painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, shown);
        }
        painter->restore();
    }

  private:
    const Storyboard& storyboard_;
    const LanguageFile& language_;
    const StoryboardPictures& pictures_;
};

// The fixed header row and label column, painted with their pictures.
class FixedCellsHeader : public QHeaderView {
  public:
    FixedCellsHeader(Qt::Orientation orientation, const StoryboardPictures& pictures,
                     QWidget* parent)
        : QHeaderView(orientation, parent), pictures_(pictures) {
        setSectionsClickable(false);
        setHighlightSections(false);
    }

  protected:
    void paintSection(QPainter* painter, const QRect& rect, int section) const override {
        painter->save();
        const QString text = model()->headerData(section, orientation()).toString();
        painter->setPen(labelColour());
        if (orientation() == Qt::Horizontal) {
            drawPicture(painter, rect, pictures_.columnHeader, QColor(216, 225, 239));
            painter->drawText(rect, Qt::AlignCenter, text);
        } else {
            const int row = section + 1;
            drawPicture(painter, rect, pictures_.rows[row], QColor(216, 225, 239));
            painter->drawText(rect.adjusted(15, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
        }
        painter->restore();
    }

  private:
    const StoryboardPictures& pictures_;
};

}  // namespace

StoryboardGrid::StoryboardGrid(Storyboard& storyboard, const LanguageFile& language,
                               const StoryboardPictures& pictures, int screenWidth, QWidget* parent)
    : QTableView(parent), model_(storyboard, language) {
    setObjectName(QStringLiteral("StringGrid1"));
    setModel(&model_);
    setItemDelegate(new CellDelegate(storyboard, language, pictures, this));
    setHorizontalHeader(new FixedCellsHeader(Qt::Horizontal, pictures, this));
    setVerticalHeader(new FixedCellsHeader(Qt::Vertical, pictures, this));
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFrameShape(QFrame::NoFrame);
    setShowGrid(true);
    setGridStyle(Qt::SolidLine);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    setFont(font);

    horizontalHeader()->setFixedHeight(kRowHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultSectionSize(std::max(20, (screenWidth - kLabelWidth) / 21));
    horizontalHeader()->setMinimumSectionSize(8);
    verticalHeader()->setFixedWidth(kLabelWidth);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    horizontalHeader()->viewport()->installEventFilter(this);
    verticalHeader()->viewport()->installEventFilter(this);
    setMouseTracking(false);

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) {
                    emit cellClicked(current.column() + 1, current.row() + 1);
                }
            });
}

CellRange StoryboardGrid::selectedRange() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        const QPoint cell = focusedCell();
        return {cell.x(), cell.y(), cell.x(), cell.y()};
    }
    CellRange range{kColumnCount, kRowCount, 1, 1};
    for (const QModelIndex& index : selected) {
        range.left = std::min(range.left, index.column() + 1);
        range.right = std::max(range.right, index.column() + 1);
        range.top = std::min(range.top, index.row() + 1);
        range.bottom = std::max(range.bottom, index.row() + 1);
    }
    return range;
}

void StoryboardGrid::selectRange(const CellRange& range) {
    selectCell(range.left, range.top);
    selectionModel()->select(QItemSelection(model_.index(range.top - 1, range.left - 1),
                                            model_.index(range.bottom - 1, range.right - 1)),
                             QItemSelectionModel::ClearAndSelect);
}

QPoint StoryboardGrid::focusedCell() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? QPoint(current.column() + 1, current.row() + 1) : QPoint(0, 0);
}

void StoryboardGrid::selectCell(int column, int row) {
    if (column >= 1 && column <= kColumnCount && row >= 1 && row <= kRowCount) {
        setCurrentIndex(model_.index(row - 1, column - 1));
    }
}

QPoint StoryboardGrid::cellForPress(QPoint focused, QPoint pos) {
    QPoint cell = focused;
    if (pos.x() < kLabelPressWidth) {
        cell.setX(0);
    }
    if (pos.y() < kRowHeight) {
        cell.setY(0);
    }
    return cell;
}

void StoryboardGrid::handlePress(QPoint gridPos, Qt::MouseButton button, QPoint globalPos) {
    const QPoint cell = cellForPress(focusedCell(), gridPos);
    emit cellPressed(cell.x(), cell.y(), button, globalPos);
}

void StoryboardGrid::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    const QPoint gridPos = viewport()->mapTo(this, event->position().toPoint());
    handlePress(gridPos, event->button(), event->globalPosition().toPoint());
}

void StoryboardGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    emit cellActivated();
}

void StoryboardGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit cellActivated();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool StoryboardGrid::eventFilter(QObject* watched, QEvent* event) {
    auto* header = watched == horizontalHeader()->viewport() ? horizontalHeader()->viewport()
                   : watched == verticalHeader()->viewport() ? verticalHeader()->viewport()
                                                             : nullptr;
    if (header) {
        if (event->type() == QEvent::MouseButtonPress) {
            // Every press on the label column or the header row selects no cell, also where
            // the label column is wider than the edge strip.
            auto* mouse = static_cast<QMouseEvent*>(event);
            QPoint pos = header->mapTo(this, mouse->position().toPoint());
            if (header == verticalHeader()->viewport()) {
                pos.setX(0);
            } else {
                pos.setY(0);
            }
            handlePress(pos, mouse->button(), mouse->globalPosition().toPoint());
            return true;
        }
        if (event->type() == QEvent::MouseButtonDblClick) {
            emit cellActivated();
            return true;
        }
    }
    return QTableView::eventFilter(watched, event);
}

}  // namespace ztv::editor
