#pragma once

#include "common/formats/ElementRecord.h"
#include "common/formats/LanguageFile.h"

#include <QFontMetrics>
#include <QLine>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>

class QPrinter;

namespace ztv::editor {

// A listing laid out on sheets, in printer pixels: texts at their baseline-free top-left places,
// each in one of the listing's fonts, and the rules.
enum class ListingFace { Small, Big, Body };

struct ListingText {
    QPoint at;
    QString text;
    ListingFace face = ListingFace::Small;
};

struct ListingSheet {
    QList<ListingText> texts;
    QList<QLine> rules;
};

struct ListingSource {
    const LanguageFile& language;
    QString projectName;
    QString printedOn;  // date, then line 153 and the time, as the header shows them
    QString printedAt;
    int page = 0;
    std::function<QString(int page)> pageTitle;  // empty for a page that does not exist
    QList<ElementRecord> records;                // the page's .JOU records from index 1
};

// Lines a sheet holds for a font height: never fewer than six, as the header takes five.
int listingLinesPerSheet(int fontHeight, int pageHeight);

// What the header of every sheet of a listing says and where.
struct ListingHeader {
    QString projectName;
    QString printedOn;
    QString printedAt;
    QString title;      // the big line
    int step = 0;       // line step of the listing
    int titleStep = 0;  // line step of the big font
    int width = 0;      // page width
};

// Starts a sheet with the header (project, date and sheet number, title between two rules);
// answers the top of the first line under it.
int appendListingSheet(QList<ListingSheet>& sheets, const LanguageFile& language,
                       const ListingHeader& header);

// The frame of a sheet: rules down both edges from the header's top and across at the bottom.
void closeListingFrame(ListingSheet& sheet, const ListingHeader& header, int bottom);

// The sheets of one copy of a page's listing: header, one line per element in storyboard
// order, a marker where the columns jump, sheets broken when the line count reaches what a
// sheet holds (never fewer than six lines: the header takes five).
QList<ListingSheet> layoutPageListing(const ListingSource& source, const QFontMetrics& small,
                                      const QFontMetrics& big, QSize page);

// What a row of the listing says about an element after its file: appearance and effect of
// pictures, then the action.
QString listingDetails(const ElementRecord& r, const LanguageFile& language,
                       const std::function<QString(int)>& pageTitle);

// Prints the sheets as one document on the printer, in the listing fonts (language line 142 at
// 8 and 14 points, and the body font). False when the printer could not start.
bool printListing(QPrinter& printer, const QList<ListingSheet>& sheets, const QString& fontName,
                  const QFont& body = QFont());

}  // namespace ztv::editor
