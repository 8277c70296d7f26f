#pragma once

#include "common/formats/ElementRecord.h"

#include <cstdint>
#include <span>

// Moving a record between its two layouts as byte ranges, without decoding its strings: the
// project record of containers and the page element record of page files hold the same fields
// apart from the page number and the alignment. The bytes written are exactly those that
// decoding and encoding again would give: padding zero, each string's length byte cut to its
// capacity, and the bytes past a string's length zero.
namespace ztv::recordlayouts {

using ProjectBytes = std::span<const char, kProjectRecordSize>;
using PageBytes = std::span<const char, kPageRecordSize>;

// The record holds nothing, as ElementRecord::isAbsent judges its decoded form.
bool projectRecordIsAbsent(ProjectBytes record);
bool pageRecordIsAbsent(PageBytes record);

std::int32_t projectRecordPage(ProjectBytes record);
// Every string's length byte is within its capacity, as every writer leaves it: a record
// that breaks this was never written as a project record.
bool projectRecordIsWellFormed(ProjectBytes record);

// The target must hold zeros: only the fields are written.
void projectToPage(ProjectBytes project, std::span<char, kPageRecordSize> page);
void pageToProject(PageBytes page, std::int32_t pageNumber,
                   std::span<char, kProjectRecordSize> project);

}  // namespace ztv::recordlayouts
