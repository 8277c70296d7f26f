#pragma once

#include "common/formats/NumberedLines.h"
#include "common/formats/YesNo.h"

#include <optional>

namespace ztv {

// The project settings file ($inip.ini, NAME.ini).
class ProjectSettings {
  public:
    enum Line {
        ContainerPath = 0,
        Width = 1,
        Height = 2,
        FirstPage = 3,
        MediaPackedByPage = 4,
        Version = 5,
        SoundsVideosPacked = 6,
        Transparent = 7,
        MediaAsCabinets = 9,
        FullScreen = 11,
        ScreenSaver = 13,
        Masked = 14,
        MaskColour = 15,
    };
    static constexpr int kDefaultWidth = 640;
    static constexpr int kDefaultHeight = 480;
    static constexpr int kMaxSide = 16384;

    // The fixed text shown when line 5 is not exactly "2".
    static QString oldVersionMessage();

    ProjectSettings() = default;
    explicit ProjectSettings(NumberedLines lines) : lines_(std::move(lines)) {}

    bool load(const QString& hostPath) { return lines_.load(hostPath); }
    bool save(const QString& hostPath, QString* error = nullptr) const {
        return lines_.save(hostPath, error);
    }
    NumberedLines& lines() { return lines_; }
    const NumberedLines& lines() const { return lines_; }
    QString line(int n) const { return lines_.line(n); }

    // The comparison is exact: "2 " is an old version too.
    bool isCurrentVersion() const { return line(Version) == QStringLiteral("2"); }

    // Page size and first page; anything that is not a whole number in range falls back to
    // 640 x 480 and page 1.
    int width() const;
    int height() const;
    int firstPage() const;

    bool isFullScreen() const { return isOui(line(FullScreen)); }
    bool isMaskedOption() const { return isOui(line(Masked)); }
    bool isTransparent() const { return line(Transparent) == QStringLiteral("1"); }
    bool isMediaPackedByPage() const { return line(MediaPackedByPage) == QStringLiteral("1"); }
    bool areSoundsVideosPacked() const { return line(SoundsVideosPacked) == QStringLiteral("1"); }
    bool areMediaCabinets() const { return line(MediaAsCabinets) == QStringLiteral("1"); }
    // The mask colour as a colour value (red in the low byte); black when unreadable.
    std::uint32_t maskColour() const;

  private:
    NumberedLines lines_;
};

}  // namespace ztv
