#pragma once

#include <QString>

namespace ztv::builder {

// Writes autorun.inf, which names the application for the systems that read it, and the
// freedesktop autorun script of removable media, which starts the application from the
// medium's folder. applicationName: the file the two start (N, or N.ztvx).
bool writeAutorunFiles(const QString& outputHost, const QString& applicationName,
                       bool singleFileProject, QString* error);

// A text that a POSIX shell reads as the one word it holds.
QString shellQuoted(const QString& text);

}  // namespace ztv::builder
