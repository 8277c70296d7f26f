#pragma once

#include <QString>

class QComboBox;

namespace ztv::editor {

struct SessionSettings;

// The transition effects an element can take, each with its picture.
void fillTransitionEntries(QComboBox* list, const SessionSettings& settings);

// Selects the entry whose text is exactly the text; none when there is none.
void selectText(QComboBox* list, const QString& text);

}  // namespace ztv::editor
