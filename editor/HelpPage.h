#pragma once

#include <QString>

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct EditorState;

// Help pages live under aide/zentrovale/ when the editor speaks French, else help/zentrovale/.
bool helpInFrench(const EditorState& state);
QString helpFilePath(const EditorState& state, const QString& page);

// Opens the page (at the anchor, when given) in the desktop's browser; a page that is not
// installed is said to be not available yet.
void showHelpPage(const EditorState& state, Prompter& prompter, const QString& page,
                  const QString& anchor = {});

}  // namespace ztv::editor
