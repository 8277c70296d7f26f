#include "common/formats/ElementRecord.h"

#include "common/platform/Bytes.h"
#include "common/platform/RecordFile.h"

namespace ztv {
namespace {

enum class Layout { Page, Project };

int offsetIn(const FieldLayout& field, Layout layout) {
    return layout == Layout::Page ? field.pageOffset : field.projectOffset;
}

QByteArray encode(const ElementRecord& record, Layout layout, int size) {
    QByteArray buf(size, '\0');
    forEachField(record, [&](const FieldLayout& field, const auto& value) {
        using T = std::decay_t<decltype(value)>;
        const int at = offsetIn(field, layout);
        if constexpr (std::is_same_v<T, QString>) {
            bytes::putString(buf, at, field.capacity, value);
        } else if constexpr (std::is_same_v<T, double>) {
            bytes::putDouble(buf, at, value);
        } else {
            bytes::putInt32(buf, at, value);
        }
    });
    return buf;
}

ElementRecord decode(const QByteArray& buf, Layout layout) {
    ElementRecord record;
    forEachField(record, [&](const FieldLayout& field, auto& value) {
        using T = std::decay_t<decltype(value)>;
        const int at = offsetIn(field, layout);
        if constexpr (std::is_same_v<T, QString>) {
            value = bytes::getString(buf, at, field.capacity);
        } else if constexpr (std::is_same_v<T, double>) {
            value = bytes::getDouble(buf, at);
        } else {
            value = bytes::getInt32(buf, at);
        }
    });
    return record;
}

}  // namespace

bool ElementRecord::isAbsent() const {
    return cellHoldsNothing(Ligne, Colonne, Fichier.isEmpty());
}

QByteArray encodePageRecord(const ElementRecord& r) {
    return encode(r, Layout::Page, kPageRecordSize);
}

ElementRecord decodePageRecord(const QByteArray& bytes) {
    return decode(bytes, Layout::Page);
}

QByteArray encodeProjectRecord(const ElementRecord& r, std::int32_t page) {
    QByteArray buf = encode(r, Layout::Project, kProjectRecordSize);
    bytes::putInt32(buf, kProjectPageOffset, page);
    return buf;
}

ElementRecord decodeProjectRecord(const QByteArray& bytes, std::int32_t* page) {
    if (page) {
        *page = bytes::getInt32(bytes, kProjectPageOffset);
    }
    return decode(bytes, Layout::Project);
}

std::optional<QList<ElementRecord>> readPageFile(const QString& hostPath) {
    const auto bytes = RecordFile::readAll(hostPath, kPageRecordSize);
    if (!bytes) {
        return std::nullopt;
    }
    QList<ElementRecord> records;
    records.reserve(bytes->size());
    for (const QByteArray& record : *bytes) {
        records.append(decodePageRecord(record));
    }
    return records;
}

}  // namespace ztv
