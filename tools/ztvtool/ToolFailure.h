#pragma once

#include <QString>

namespace ztv::tool {

// A command that cannot do its work: the message goes to standard error, the exit code is 1.
struct Failure {
    QString message;
};

}  // namespace ztv::tool
