#pragma once

#include <QImage>
#include <QString>

class QPainter;
class QRect;

namespace ztv::editor {

// The picture every dialog of the editor tiles over its client area (boutons/texture.jpg),
// loaded once.
class DialogBackground {
  public:
    static void load(const QString& hostPath);
    static const QImage& picture();
    // Cells of the picture's own size, (width div w) + 1 columns and (height div h) + 1 rows.
    static void tile(QPainter& painter, const QRect& area);
};

}  // namespace ztv::editor
