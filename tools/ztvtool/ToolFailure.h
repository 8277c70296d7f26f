#pragma once

#include <QString>

namespace ztv::tool {

// A command that cannot do its work: the message goes to standard error, the exit code is 1.
// An empty message means the command has already said why on standard error.
struct Failure {
    QString message;
};

// A command given the wrong arguments: the message and the command's usage go to standard
// error, the exit code is 2.
struct UsageError {
    QString message;
};

}  // namespace ztv::tool
