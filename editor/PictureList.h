#pragma once

#include "common/ElementRecord.h"
#include "common/LanguageFile.h"
#include "common/platform/DriveTable.h"

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <optional>

namespace ztv::editor {

// One item of the storyboard picture list: a column item opens a new run of columns, an
// element item stands for one record of the page's .JOU file.
struct PictureListItem {
    bool isColumn = false;
    int column = 0;       // column items: the column that starts after the gap
    int recordIndex = 0;  // element items: index in the .JOU file
    QString caption;
    QImage picture;
};

struct PictureListSource {
    const LanguageFile& language;
    const DriveTable& drives;
    QString mediaDrive;
    QString projectDir;  // host folder of the project, for media of a moved project
    QSize projectSize;
};

// What the item of a record says: its kind (or its Fichier for click zones and keywords), then
// for pictures the appearance mode and the effect, and the action with its parameters.
QString elementCaption(const ElementRecord& r, const LanguageFile& language);

// The items of the .JOU file, pictures composed element by element; nullopt when the file is
// missing.
std::optional<QList<PictureListItem>> buildPictureList(const QString& jouHost,
                                                       const PictureListSource& source);

}  // namespace ztv::editor
