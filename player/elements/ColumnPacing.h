#pragma once

namespace ztv {

// The pace of a played column: how long it waits once its elements are done.
class ColumnPacing {
  public:
    virtual ~ColumnPacing() = default;

    // Something changed on the page: the column's pause is taken again from now.
    virtual void restartColumnPause() = 0;
    // An animated picture of the page changes frames after this delay (`GifVitesse` keeps the
    // longest).
    virtual void noteFrameDelay(int ms) = 0;
};

}  // namespace ztv
