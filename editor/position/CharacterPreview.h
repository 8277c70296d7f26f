#pragma once

#include "common/formats/ElementRecord.h"
#include "editor/position/FrameList.h"
#include "editor/position/PreviewRun.h"
#include "editor/widgets/PanelMedia.h"

#include <QImage>
#include <QRect>

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;

// The character plays in place on the page: while its sound plays (`style` is line 194, the
// sound `sensdegra` played through the editor's media device), or for `Couldegra` loops of its
// frames; then it keeps its end pose (`size`: 1 the first frame, 2 the last, else nothing more).
class CharacterRun final : public TimedRun {
  public:
    CharacterRun(SessionSettings& state, Prompter& prompter, QImage& page,
                 const ElementRecord& record);
    ~CharacterRun() override;

    bool finished() const override { return done_; }
    // A sound that plays is closed, and the end pose follows; a silent character just ends.
    void stop() override;

  private:
    void step() override;
    qint64 delayMs() const override;
    void speakingStep();
    void silentStep();
    void finish();

    PanelMedia media_;
    QImage& page_;
    ElementRecord record_;
    QRect rect_;
    FrameList frames_;
    int frame_ = 0;
    bool speaking_ = false;
    bool soundOpen_ = false;
    int loops_ = 0;
    bool done_ = false;
};

}  // namespace ztv::editor
