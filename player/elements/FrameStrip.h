#pragma once

#include <QImage>
#include <QList>
#include <QRgb>
#include <QSize>
#include <QString>
#include <optional>

namespace ztv {

class LanguageFile;
class PageCanvas;
struct LoadedPicture;

// The transparent colour of a strip for the appearance text; nullopt is "no colour".
std::optional<QRgb> maskColour(const LanguageFile& language, const QString& transparent,
                               const QImage& picture);

// The frames of a strip (or of the GIF the load kept, which this uses up): count pictures of
// frameSize, filled with the mask colour where nothing is drawn. Full-screen projects of the
// page cut and stretch them at the design size.
QList<QImage> buildFrames(const PageCanvas& page, LoadedPicture& loaded, const QImage& strip,
                          int count, QSize frameSize, std::optional<QRgb> mask);

}  // namespace ztv
