#pragma once

#include <QString>

// Runs GStreamer pipelines to their end: media files made by GStreamer's own encoders (the
// demo's video, the tests' and benchmarks' media).
namespace ztv {

// Runs a gst-launch style pipeline description to its end; an empty text when it succeeded,
// else what went wrong.
QString runGstPipeline(const QString& description);
// Whether GStreamer has an element of that name on this machine.
bool gstHasElement(const char* name);

}  // namespace ztv
