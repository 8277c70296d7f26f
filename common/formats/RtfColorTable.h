#pragma once

#include <QColor>
#include <QList>

namespace ztv::rtf {

// The colours of \colortbl by index. An entry without components (often the first) is the
// automatic colour, returned as an invalid QColor like an index past the table.
class RtfColorTable {
  public:
    static constexpr int kMaxColors = 4096;

    // \redN, \greenN, \blueN of the entry being read; ';' ends it.
    void setRed(int value);
    void setGreen(int value);
    void setBlue(int value);
    void commit();

    QColor at(int index) const;

  private:
    QList<QColor> colors_;
    int red_ = 0;
    int green_ = 0;
    int blue_ = 0;
    bool given_ = false;
};

}  // namespace ztv::rtf
