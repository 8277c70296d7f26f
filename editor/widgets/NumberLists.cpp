#include "editor/widgets/NumberLists.h"

#include <QComboBox>

namespace ztv::editor {

QStringList countdown(int from, int to) {
    QStringList entries;
    for (int n = from; n >= to; --n) {
        entries << QString::number(n);
    }
    return entries;
}

QStringList speedEntries() {
    QStringList entries;
    for (int n = 100; n >= 10; n -= 10) {
        entries << QString::number(n);
    }
    for (int n = 9; n >= 1; --n) {
        entries << QString::number(n);
    }
    return entries;
}

QComboBox* numberList(QWidget* parent, const char* name, const QStringList& entries) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(true);
    list->addItems(entries);
    return list;
}

void showNumber(QComboBox* list, int value) {
    const QString text = QString::number(value);
    const int index = list->findText(text);
    if (index >= 0) {
        list->setCurrentIndex(index);
    } else {
        list->setEditText(text);
    }
}

}  // namespace ztv::editor
