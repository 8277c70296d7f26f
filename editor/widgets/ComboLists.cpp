#include "editor/widgets/ComboLists.h"

#include "editor/document/SessionSettings.h"
#include "player/transitions/EffectNames.h"

#include <QComboBox>
#include <QIcon>
#include <QPixmap>

namespace ztv::editor {

void fillTransitionEntries(QComboBox* list, const SessionSettings& settings) {
    list->clear();
    std::size_t picture = 0;
    for (const int line : EffectNames::listLines()) {
        const QImage& image = settings.transitionPictures[picture++];
        list->addItem(QIcon(QPixmap::fromImage(image)), settings.text(line));
    }
}

void selectText(QComboBox* list, const QString& value) {
    list->setCurrentIndex(list->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

}  // namespace ztv::editor
