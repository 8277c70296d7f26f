#pragma once

#include "common/formats/ElementRecord.h"
#include "common/formats/KeywordTable.h"
#include "common/formats/PageTable.h"

#include <QString>
#include <optional>

// One JSON object per record, fields in record order and by their names.
namespace ztv::tool {

QString jsonString(const QString& text);
QString elementJson(qint64 index, const ElementRecord& r,
                    std::optional<std::int32_t> page = std::nullopt);
QString pageJson(qint64 index, const PageEntry& e);
QString keywordJson(qint64 index, const KeywordEntry& e);

}  // namespace ztv::tool
