#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

namespace ztv::test {

// The captions of a shown dialog that its controls cut: labels, buttons and group titles.
inline QStringList clippedCaptions(QWidget& dialog) {
    QStringList clipped;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (!w->isVisible()) {
            continue;
        }
        const auto* label = qobject_cast<QLabel*>(w);
        const auto* button = qobject_cast<QAbstractButton*>(w);
        const QString caption = label ? label->text() : button ? button->text() : QString();
        // A push button's hint asks for a style's minimum width; its caption needs less.
        const int needed = qobject_cast<QPushButton*>(w)
                               ? w->fontMetrics().horizontalAdvance(caption) + 8
                               : w->sizeHint().width();
        if (!caption.isEmpty() && w->width() < needed) {
            clipped << caption;
        }
    }
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        if (group->isVisible() &&
            group->fontMetrics().horizontalAdvance(group->title()) + 16 > group->width()) {
            clipped << group->title();
        }
    }
    return clipped;
}

}  // namespace ztv::test
