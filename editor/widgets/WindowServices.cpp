#include "editor/widgets/WindowServices.h"

#include "common/platform/Prompter.h"
#include "editor/document/SessionSettings.h"

namespace ztv::editor {

void WindowServices::message(int line) const {
    prompter.message(state.language.message(line));
}

}  // namespace ztv::editor
