#pragma once

#include "common/builder/BuildJob.h"
#include "common/formats/PageTable.h"

namespace ztv::builder {

// Gathers the media of every live page of the build's working folder: the pictures into the
// page's media data file, sounds, videos, long texts and the files actions open copied beside
// it, each record rewritten to name its copy. With compression page by page, each page's files
// then go into the page's own archive.
BuildOutcome gatherMedia(BuildJob& job, const QList<PageEntry>& pages);

}  // namespace ztv::builder
