#pragma once

#include "common/formats/RtfGroupState.h"

#include <vector>

namespace ztv::rtf {

// The states of the open groups. Past kMaxDepth, groups are read flat: their braces are counted
// but share the deepest state, so hostile nesting costs neither memory nor stack.
class RtfGroupStack {
  public:
    static constexpr int kMaxDepth = 256;

    RtfGroupState& top() { return states_.back(); }
    const RtfGroupState& top() const { return states_.back(); }
    // Open groups, the flat ones included.
    int depth() const { return int(states_.size()) + flatGroups_; }

    void open();
    // False when no group was open.
    bool close();

  private:
    std::vector<RtfGroupState> states_;
    int flatGroups_ = 0;
};

}  // namespace ztv::rtf
