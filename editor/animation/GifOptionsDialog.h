#pragma once

#include "common/formats/GifWriter.h"
#include "editor/widgets/TiledDialog.h"

class QCheckBox;
class QSpinBox;

namespace ztv::editor {

struct SessionSettings;

// The options of an animated GIF: loop count, delay between frames, and whether the colour of
// each frame's bottom-left pixel is transparent. Opens on 1000 loops, 200 ms, opaque; OK closes
// with 6. Controls: CheckBox1, Edit1 (loops), Edit2 (delay), BitBtn1 (OK), BitBtn2 (Cancel).
class GifOptionsDialog : public TiledDialog {
    Q_OBJECT
  public:
    explicit GifOptionsDialog(const SessionSettings& state, QWidget* parent = nullptr);

    GifWriteOptions options() const;

  private:
    QCheckBox* transparent_ = nullptr;
    QSpinBox* loops_ = nullptr;
    QSpinBox* delay_ = nullptr;
};

}  // namespace ztv::editor
