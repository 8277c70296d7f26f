#include "player/engine/Printing.h"

#include "common/platform/Cp1252.h"
#include "common/platform/SafetyLimits.h"

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace ztv::printing {
namespace {

constexpr double kReferenceDpi = 600;
constexpr int kLineGap = 10;        // between two lines
constexpr int kFirstPageTop = 200;  // the first page leaves room at its top
constexpr int kLeft = 500;
constexpr int kScreenScale = 3;

double unitScale(const QPaintDevice& device) {
    return device.logicalDpiY() / kReferenceDpi;
}

QFont listingFont(QPaintDevice& device) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    font.setBold(true);
    return QFont(font, &device);
}

// One printed line: tabs and other control characters would draw as boxes.
QString printable(QString line) {
    for (QChar& c : line) {
        if (c.unicode() < 0x20) {
            c = u' ';
        }
    }
    return line;
}

}  // namespace

std::optional<QStringList> readTextFile(const QString& hostPath) {
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > limits::kMaxPrintedTextBytes) {
        return std::nullopt;
    }
    QString text = fromCp1252(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();  // the end of the last line is not a line of its own
    }
    for (QString& line : lines) {
        line = printable(line);
    }
    return lines;
}

int linesPerPage(QPagedPaintDevice& device) {
    const int lineHeight =
        QFontMetrics(listingFont(device)).height() + int(kLineGap * unitScale(device));
    return std::max(1, device.height() / std::max(1, lineHeight));
}

int printText(QPagedPaintDevice& device, const QStringList& lines) {
    const int perPage = linesPerPage(device);
    const double spacing = double(device.height()) / perPage;
    const double scale = unitScale(device);
    QPainter painter(&device);
    painter.setFont(listingFont(device));
    const int ascent = painter.fontMetrics().ascent();
    int pages = 1;
    double y = kFirstPageTop * scale;
    // The first page starts lower: it holds the lines that still fit above its bottom.
    int room = std::max(1, perPage - int(std::ceil(y / spacing)));
    int onPage = 0;
    for (const QString& line : lines) {
        if (onPage == room) {
            room = perPage;
            device.newPage();
            ++pages;
            y = 0;
            onPage = 0;
        }
        painter.drawText(QPointF(kLeft * scale, y + ascent), line);
        y += spacing;
        ++onPage;
    }
    return pages;
}

void printScreen(QPaintDevice& device, const QImage& canvas) {
    const double scale = unitScale(device) * kScreenScale;
    const QSizeF size(canvas.width() * scale, canvas.height() * scale);
    const QRectF target(
        QPointF((device.width() - size.width()) / 2, (device.height() - size.height()) / 2), size);
    QPainter painter(&device);
    painter.drawImage(target, canvas);
}

}  // namespace ztv::printing
