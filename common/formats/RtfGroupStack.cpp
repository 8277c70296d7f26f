#include "common/formats/RtfGroupStack.h"

namespace ztv::rtf {

void RtfGroupStack::open() {
    if (states_.empty())
        states_.emplace_back();
    else if (int(states_.size()) < kMaxDepth)
        states_.push_back(states_.back());
    else
        ++flatGroups_;
}

bool RtfGroupStack::close() {
    if (flatGroups_ > 0)
        --flatGroups_;
    else if (!states_.empty())
        states_.pop_back();
    else
        return false;
    return true;
}

}  // namespace ztv::rtf
