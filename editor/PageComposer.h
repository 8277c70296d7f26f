#pragma once

#include "common/ElementRecord.h"
#include "common/LanguageFile.h"
#include "common/platform/DriveTable.h"

#include <QImage>
#include <QSize>

namespace ztv::editor {

// Composes a still picture of a page element by element, as the storyboard picture list
// shows it: backgrounds, pictures and animations from their files, texts in their colour,
// click zones and the other kinds as outlines at their rectangles.
class PageComposer {
  public:
    // projectDirHost: where a moved project's media are looked for when their stored paths
    // lead nowhere.
    PageComposer(const LanguageFile& language, const DriveTable& drives, QString mediaDrive,
                 QString projectDirHost, QSize pageSize);

    void add(const ElementRecord& record);
    const QImage& page() const { return page_; }
    // The page scaled to longSide pixels on its longer side, keeping its proportions.
    QImage thumbnail(int longSide = 100) const;

  private:
    QImage loadPicture(const QString& stored) const;
    QRect rectOf(const ElementRecord& r) const;
    void drawBackground(const ElementRecord& r);
    void drawPicture(const ElementRecord& r);
    void drawText(const ElementRecord& r);
    void drawOutline(const ElementRecord& r, const QColor& colour, Qt::PenStyle style);

    const LanguageFile& language_;
    const DriveTable& drives_;
    QString mediaDrive_;
    QString projectDir_;
    QImage page_;
};

// A record colour (red in the low byte) as a QColor.
QColor recordColour(std::int32_t value);

}  // namespace ztv::editor
