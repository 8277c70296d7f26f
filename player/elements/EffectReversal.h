#pragma once

namespace ztv {

// A played record may ask for the effect of the next appearance to run reversed.
class EffectReversal {
  public:
    virtual ~EffectReversal() = default;

    // The next appearance runs its effect reversed (`EffetInverse`).
    virtual bool nextEffectReversed() const = 0;
    // An appearance ran its effect reversed: the ones after it do not.
    virtual void clearEffectReversal() = 0;
};

}  // namespace ztv
