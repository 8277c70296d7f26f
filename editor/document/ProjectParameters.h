#pragma once

#include "common/formats/PageTable.h"
#include "common/formats/ProjectSettings.h"

#include <QString>
#include <cstdint>

namespace ztv::editor {

// What the project parameters dialog edits in the working settings file $inip.ini.
struct ProjectParameters {
    QString width;
    QString height;
    QString firstPage;
    bool transparent = false;      // line 7 "1"
    bool fullScreen = false;       // line 11 "oui"
    bool screenSaver = false;      // line 13 "oui"
    bool masked = false;           // line 14 "oui"
    std::uint32_t maskColour = 0;  // line 15, red in the low byte; black when not set

    static ProjectParameters read(const ProjectSettings& settings);
    // 0 when the values can be written; message 63 when a field is empty, 64 when the width,
    // height or first page is not a whole number of at least 1 (sides at most 16384).
    int check() const;
    // Lines 1, 2, 3, 7, 11, 13, 14 and 15; the values must have passed check().
    void writeTo(ProjectSettings& settings) const;
};

// Gives every background record (row 3) of the live pages' .JOU files the new size and copies
// each changed .JOU over its .ACT (both through a temporary file). The number of pages changed,
// -1 when a file could not be written.
int resizeBackgrounds(const QString& dirHost, const QList<PageEntry>& pages, int width, int height);

}  // namespace ztv::editor
