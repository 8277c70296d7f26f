#include "editor/document/WorkingCopyOwner.h"

#include "common/platform/FileIo.h"

#include <QStringList>

namespace ztv::editor {

namespace {

const QString kModified = QStringLiteral("modified");
const QString kSaved = QStringLiteral("saved");
const QString kUntitled = QStringLiteral("$");

}  // namespace

bool WorkingCopyOwner::write(const QString& fileHost, const WorkingCopyOwner& owner) {
    return writeLines(fileHost, {owner.project.isEmpty() ? kUntitled : owner.project,
                                 owner.modified ? kModified : kSaved});
}

std::optional<WorkingCopyOwner> WorkingCopyOwner::read(const QString& fileHost) {
    const auto lines = readLines(fileHost);
    if (!lines || lines->size() < 2 || lines->at(0).isEmpty() ||
        (lines->at(1) != kModified && lines->at(1) != kSaved)) {
        return std::nullopt;
    }
    WorkingCopyOwner owner;
    owner.project = lines->at(0) == kUntitled ? QString() : lines->at(0);
    owner.modified = lines->at(1) == kModified;
    return owner;
}

}  // namespace ztv::editor
