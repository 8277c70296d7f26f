#pragma once

#include <QString>

namespace ztv {

// Point sizes become pixels at 96 dots per inch whatever the screen reports, so a page lays out
// the same on every display. Rounded to the nearest pixel, at least 1.
int pointsToPixels(int points);

// Makes fontconfig read the application's font configuration (fonts/fonts.conf in `appDir`,
// which maps the common Windows font names to metric-compatible installed families and then
// reads the system's own configuration). Call before the Qt application object exists: fontconfig
// reads its configuration once. A configuration chosen by the user (FONTCONFIG_FILE already set)
// is left alone. False when the file is missing.
bool useApplicationFonts(const QString& appDir);
// The same for the folder of the running program (which is APPDIR).
bool useApplicationFonts();

}  // namespace ztv
