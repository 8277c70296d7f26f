#pragma once

#include <QString>
#include <QStringList>

namespace ztv {

// Lists stored as one line: items separated by commas; an item in double quotes may hold
// blanks, commas and doubled double quotes. Outside quotes, blanks and control characters end an
// item too, and blanks before an item are skipped. A NUL character ends the text.
QStringList readCommaText(const QString& text);
// The list as one line that reads back as the same items: an item holding a blank, a control
// character, a comma or a double quote (or an empty item) goes between double quotes.
QString writeCommaText(const QStringList& items);

}  // namespace ztv
