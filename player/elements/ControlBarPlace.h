#pragma once

namespace ztv {

// Where a video record puts the control bar.
enum class ControlBarPlace { None, Above, Below };

}  // namespace ztv
