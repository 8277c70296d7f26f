#pragma once

#include <QString>
#include <optional>

namespace ztv {

inline constexpr int kMaxPlaybackDirectoryIndex = 1000;

// Claims the first free "base" + k (k = 0..1000) under rootHost, creating the root when
// missing. The claim is a mkdir that fails when the folder exists, so two players never share
// a folder; nullopt when none of the names is free. Returns the folder name ("base3").
std::optional<QString> claimPlaybackDirectory(const QString& rootHost);

}  // namespace ztv
