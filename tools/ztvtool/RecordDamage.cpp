#include "tools/ztvtool/RecordDamage.h"

#include "common/formats/ElementRecord.h"

#include <cmath>
#include <initializer_list>

namespace ztv::tool {
namespace {

struct StringField {
    const char* name;
    int offset;
    int capacity;
};

bool overlong(const QByteArray& record, const StringField& field) {
    return static_cast<unsigned char>(record.at(field.offset)) > field.capacity;
}

QString firstOverlong(const QByteArray& record, std::initializer_list<StringField> fields) {
    for (const StringField& field : fields) {
        if (overlong(record, field)) {
            return QString::fromLatin1(field.name);
        }
    }
    return {};
}

}  // namespace

QString elementRecordDamage(const QByteArray& record, bool projectLayout) {
    const ElementRecord decoded =
        projectLayout ? decodeProjectRecord(record) : decodePageRecord(record);
    QString damage;
    forEachField(decoded, [&](const FieldLayout& field, const auto& value) {
        using T = std::decay_t<decltype(value)>;
        const int offset = projectLayout ? field.projectOffset : field.pageOffset;
        bool bad = false;
        if constexpr (std::is_same_v<T, QString>) {
            bad = overlong(record, {field.name, offset, field.capacity});
        } else if constexpr (std::is_same_v<T, double>) {
            bad = !std::isfinite(value);
        }
        if (bad && damage.isEmpty()) {
            damage = QString::fromLatin1(field.name);
        }
    });
    return damage;
}

QString pageTableRecordDamage(const QByteArray& record) {
    return firstOverlong(record, {{"title", 4, 200}});
}

QString keywordRecordDamage(const QByteArray& record) {
    return firstOverlong(record, {{"keyword", 0, 150}, {"page", 151, 100}, {"column", 252, 100}});
}

}  // namespace ztv::tool
