#pragma once

#include "common/ElementRecord.h"
#include "common/LanguageFile.h"

#include <QFontMetrics>
#include <QLine>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>

class QPrinter;

namespace ztv::editor {

// A page's listing laid out on sheets, in printer pixels: texts at their baseline-free top-left
// places (the big font marks the page title) and the rules.
struct ListingText {
    QPoint at;
    QString text;
    bool big = false;
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
// 8 and 14 points). False when the printer could not start.
bool printListing(QPrinter& printer, const QList<ListingSheet>& sheets, const QString& fontName);

}  // namespace ztv::editor
