#pragma once

#include <QImage>
#include <QPagedPaintDevice>
#include <QString>
#include <QStringList>
#include <optional>

// Text files and the screen on paper, laid out as the player always printed them. Positions
// and spacing are in the units of a 600-dpi printer, scaled to the device's resolution, so a
// listing looks the same on every printer.
namespace ztv::printing {

// The lines of a text file to print (Windows-1252, control characters as blanks); nullopt
// when it cannot be read or is too large to be a text meant for paper.
std::optional<QStringList> readTextFile(const QString& hostPath);
// How many lines fit on a page of the device in Arial 9 bold: at least one.
int linesPerPage(QPagedPaintDevice& device);
// Prints the lines (the first page starting lower down) and answers the pages printed.
int printText(QPagedPaintDevice& device, const QStringList& lines);
// The canvas three times its size, centred on one page.
void printScreen(QPaintDevice& device, const QImage& canvas);

}  // namespace ztv::printing
