#pragma once

#include "editor/printing/PageListing.h"

#include <QStringList>

class QPrinter;
class QWidget;

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;

struct FileListSource {
    const LanguageFile& language;
    QString projectName;
    QString printedOn;
    QString printedAt;
    QString title;  // the dialog's caption and the listing mode
    QStringList lines;
};

// The sheets of one copy of the project's file list: the listing header on every sheet, then
// the lines in the body font, one line step apart; a sheet breaks when its line count (the
// header counts five) reaches what it holds.
QList<ListingSheet> layoutFileList(const FileListSource& source, const QFontMetrics& body,
                                   const QFontMetrics& big, QSize page);

// "Imprimer": the print dialog, the font dialog, then the list written to $impr.txt in the
// data folder and printed from it, one document per copy. Stops with a message when the font is
// taller than the page or the list cannot be written.
void printFileList(SessionSettings& state, Prompter& prompter, QWidget* parent, QPrinter& printer,
                   const QStringList& lines, const QString& title);

}  // namespace ztv::editor
