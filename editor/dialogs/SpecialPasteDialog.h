#pragma once

#include "editor/document/StoryboardClipboard.h"
#include "editor/widgets/TiledDialog.h"

class QCheckBox;

namespace ztv::editor {

struct SessionSettings;

// The special paste dialog ("Collage spécial"): which groups of the copied elements replace
// the destination's. All three are ticked when it opens; OK closes with 6. Controls:
// CheckBox1 (file, place and look), CheckBox2 (effect and timing), CheckBox3 (action),
// BitBtn1 (OK), BitBtn2 (Cancel).
class SpecialPasteDialog : public TiledDialog {
    Q_OBJECT
  public:
    explicit SpecialPasteDialog(const SessionSettings& state, QWidget* parent = nullptr);
    PasteGroups groups() const;

  private:
    QCheckBox* file_;
    QCheckBox* effect_;
    QCheckBox* action_;
};

}  // namespace ztv::editor
