#include "editor/storyboard/StoryboardTableModel.h"

#include "common/formats/LangLines.h"
#include "editor/document/StoryboardRows.h"

namespace ztv::editor {

StoryboardTableModel::StoryboardTableModel(Storyboard& storyboard, const LanguageFile& language,
                                           QObject* parent)
    : QAbstractTableModel(parent), storyboard_(storyboard), language_(language) {}

int StoryboardTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kRowCount;
}

int StoryboardTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant StoryboardTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) {
        return {};
    }
    const QString text = storyboard_.cellText(index.column() + 1, index.row() + 1);
    return text.isEmpty() && role == Qt::ToolTipRole ? QVariant() : QVariant(text);
}

QVariant StoryboardTableModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        return QString::number(section + 1);
    }
    return language_.text(lang::RowNameFirst + section);
}

void StoryboardTableModel::refresh() {
    beginResetModel();
    endResetModel();
}

}  // namespace ztv::editor
