#pragma once

#include <QStringList>

class QComboBox;
class QWidget;

namespace ztv::editor {

// The numbers from `from` down to `to`.
QStringList countdown(int from, int to);
// The speeds offered for an element: 100 to 10 by tens, then 9 to 1.
QStringList speedEntries();
// The speed and percentage lists take typed values too, so that a stored value outside the
// entries is shown and kept.
QComboBox* numberList(QWidget* parent, const char* name, const QStringList& entries);
void showNumber(QComboBox* list, int value);

}  // namespace ztv::editor
