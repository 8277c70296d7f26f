#pragma once

#include "common/formats/LanguageFile.h"
#include "editor/document/Storyboard.h"

#include <QAbstractTableModel>

namespace ztv::editor {

// Shows a Storyboard: 61 rows by 20 columns of cell texts.
class StoryboardTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    StoryboardTableModel(Storyboard& storyboard, const LanguageFile& language,
                         QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Everything may have changed.
    void refresh();

  private:
    Storyboard& storyboard_;
    const LanguageFile& language_;
};

}  // namespace ztv::editor
