#include "common/formats/NumberedLines.h"

#include "common/platform/FileIo.h"

namespace ztv {

bool NumberedLines::load(const QString& hostPath) {
    auto lines = readLines(hostPath);
    if (!lines) {
        return false;
    }
    lines_ = std::move(*lines);
    return true;
}

bool NumberedLines::save(const QString& hostPath, QString* error) const {
    return writeLines(hostPath, lines_, error);
}

void NumberedLines::setLine(int n, const QString& text) {
    if (n < 0) {
        return;
    }
    while (lines_.size() <= n) {
        lines_.append(QStringLiteral("$"));
    }
    lines_[n] = text;
}

}  // namespace ztv
