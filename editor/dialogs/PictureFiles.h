#pragma once

#include "editor/widgets/PictureControl.h"

#include <QRect>
#include <QString>

class QLabel;

namespace ztv::editor {

// The picture files a dialog offers to choose, for the open-file dialog.
QString pictureFileFilter();

// Shows the control's picture stretched over geometry in the label; an empty control hides it.
void showPictureIn(QLabel* label, const PictureControl& control, const QRect& geometry);

}  // namespace ztv::editor
