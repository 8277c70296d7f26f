#pragma once

#include <QRect>

namespace ztv {
struct ElementRecord;
class Prompter;
}  // namespace ztv

namespace ztv::editor {

class CellRecords;
struct SessionSettings;

// After OK: the disappearance that follows the saved element in its row takes the rectangle
// where the element ends. A write that fails is told; the element itself stays saved.
void followWithDisappearance(CellRecords& records, Prompter& prompter, const SessionSettings& state,
                             const ElementRecord& saved, const QRect& lastRect);

}  // namespace ztv::editor
