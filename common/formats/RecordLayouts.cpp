#include "common/formats/RecordLayouts.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <vector>

namespace ztv::recordlayouts {
namespace {

enum Layout { Page = 0, Project = 1 };

// One field's place in both layouts, taken from the record's one field table.
struct FieldBytes {
    int offset[2];
    int width;           // the bytes the field takes, a string's length byte included
    int capacity;        // string[N]: N; numbers: 0
    const void* member;  // the field inside probe(), to find a field by its member
};

const ElementRecord& probe() {
    static const ElementRecord record;
    return record;
}

const std::vector<FieldBytes>& fields() {
    static const std::vector<FieldBytes> table = [] {
        std::vector<FieldBytes> t;
        forEachField(probe(), [&t](const auto& field, const auto& value) {
            using T = std::decay_t<decltype(value)>;
            constexpr bool isString = std::is_same_v<T, QString>;
            t.push_back({{field.pageOffset, field.projectOffset},
                         isString ? field.capacity + 1 : int(sizeof(T)),
                         isString ? field.capacity : 0,
                         &value});
        });
        return t;
    }();
    return table;
}

template <class T>
int offsetOf(T ElementRecord::*member, Layout layout) {
    const void* wanted = &(probe().*member);
    const auto& t = fields();
    const auto it = std::find_if(t.begin(), t.end(),
                                 [wanted](const FieldBytes& f) { return f.member == wanted; });
    return it->offset[layout];
}

std::int32_t int32At(const char* record, int offset) {
    return qFromLittleEndian<std::int32_t>(record + offset);
}

// Cells outside the grid and records without a file hold nothing.
bool isAbsent(const char* record, Layout layout) {
    static const int ligne[2] = {offsetOf(&ElementRecord::Ligne, Page),
                                 offsetOf(&ElementRecord::Ligne, Project)};
    static const int colonne[2] = {offsetOf(&ElementRecord::Colonne, Page),
                                   offsetOf(&ElementRecord::Colonne, Project)};
    static const int fichier[2] = {offsetOf(&ElementRecord::Fichier, Page),
                                   offsetOf(&ElementRecord::Fichier, Project)};
    return cellHoldsNothing(int32At(record, ligne[layout]), int32At(record, colonne[layout]),
                            record[fichier[layout]] == 0);
}

void convert(const char* from, Layout fromLayout, char* to, Layout toLayout) {
    for (const FieldBytes& f : fields()) {
        const char* source = from + f.offset[fromLayout];
        char* target = to + f.offset[toLayout];
        if (f.capacity == 0) {
            std::memcpy(target, source, size_t(f.width));
            continue;
        }
        const int length = std::min<int>(static_cast<unsigned char>(*source), f.capacity);
        *target = char(length);
        std::memcpy(target + 1, source + 1, size_t(length));
    }
}

}  // namespace

bool projectRecordIsAbsent(ProjectBytes record) {
    return isAbsent(record.data(), Project);
}

bool pageRecordIsAbsent(PageBytes record) {
    return isAbsent(record.data(), Page);
}

std::int32_t projectRecordPage(ProjectBytes record) {
    return int32At(record.data(), kProjectPageOffset);
}

bool projectRecordIsWellFormed(ProjectBytes record) {
    const auto& t = fields();
    return std::all_of(t.begin(), t.end(), [&record](const FieldBytes& f) {
        return f.capacity == 0 ||
               static_cast<unsigned char>(record[size_t(f.offset[Project])]) <= f.capacity;
    });
}

void projectToPage(ProjectBytes project, std::span<char, kPageRecordSize> page) {
    convert(project.data(), Project, page.data(), Page);
}

void pageToProject(PageBytes page, std::int32_t pageNumber,
                   std::span<char, kProjectRecordSize> project) {
    convert(page.data(), Page, project.data(), Project);
    qToLittleEndian(pageNumber, project.data() + kProjectPageOffset);
}

}  // namespace ztv::recordlayouts
