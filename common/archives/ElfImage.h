#pragma once

#include <QString>
#include <optional>

class QIODevice;

namespace ztv {

// The size of an ELF image as its headers describe it: the largest of the section-header
// table's end and every segment's file end. nullopt when the bytes are no ELF header.
std::optional<qint64> elfImageSize(QIODevice& file);

// A program file longer than its ELF image carries data appended after it (a packed project).
bool carriesAppendedData(const QString& programHost);

}  // namespace ztv
