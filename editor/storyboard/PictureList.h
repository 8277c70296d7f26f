#pragma once

#include "common/formats/ElementRecord.h"
#include "common/formats/LanguageFile.h"

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <optional>

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;

// One item of the storyboard picture list: a column item opens a new run of columns, an
// element item stands for one record of the page's .JOU file.
struct PictureListItem {
    bool isColumn = false;
    int column = 0;       // column items: the column that starts after the gap
    int recordIndex = 0;  // element items: index in the .JOU file
    QString caption;
    QImage picture;
};

// What the item of a record says: its kind (or its Fichier for click zones and keywords), then
// for pictures the appearance mode and the effect, and the action with its parameters.
QString elementCaption(const ElementRecord& r, const LanguageFile& language);

// The pictures' size: 100 pixels on the page's longer side.
QSize pictureListSize(QSize page);

// The items of the .JOU file, each element's picture the page as the player composes it up to
// and including that element; nullopt when the file is missing.
std::optional<QList<PictureListItem>> buildPictureList(const QString& jouHost,
                                                       SessionSettings& state, Prompter& prompter);

}  // namespace ztv::editor
