#pragma once

#include <QString>

// Media files made by GStreamer's own encoders for the tests.
namespace ztv::test {

// Runs a gst-launch style pipeline description to its end; an empty text when it succeeded,
// else what went wrong.
QString runGstPipeline(const QString& description);
// Whether GStreamer has an element of that name on this machine.
bool gstHasElement(const char* name);

}  // namespace ztv::test
