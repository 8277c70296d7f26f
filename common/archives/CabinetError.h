#pragma once

#include <QString>
#include <stdexcept>

namespace ztv {

// A cabinet writer's failure, with the code of CabinetFile::ErrorCode.
class CabinetError : public std::runtime_error {
  public:
    explicit CabinetError(int code);
    int code() const { return code_; }

  private:
    int code_;
};

// The text of a writer error code.
QString cabErrorText(int code);

}  // namespace ztv
