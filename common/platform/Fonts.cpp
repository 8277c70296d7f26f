#include "common/platform/Fonts.h"

#include "common/platform/AppPaths.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace ztv {

int pointsToPixels(int points) {
    // 96 / 72 = 4 / 3, rounded to the nearest pixel.
    return std::max(1, int((qint64(points) * 4 + 1) / 3));
}

bool useApplicationFonts(const QString& appDir) {
    const QString conf = appDir + QStringLiteral("/fonts/fonts.conf");
    if (!QFileInfo(conf).isFile()) {
        return false;
    }
    if (qEnvironmentVariableIsEmpty("FONTCONFIG_FILE")) {
        qputenv("FONTCONFIG_FILE", QFile::encodeName(QFileInfo(conf).absoluteFilePath()));
    }
    return true;
}

bool useApplicationFonts() {
    // Called before QCoreApplication exists: programFile() reads /proc/self/exe.
    return useApplicationFonts(QFileInfo(AppPaths::programFile()).absolutePath());
}

}  // namespace ztv
