#include "common/archives/EntryReader.h"

#include "common/platform/ConfinedFile.h"
#include "common/platform/Cp1252.h"
#include "common/platform/SafetyLimits.h"

#include <algorithm>

namespace ztv {
namespace {

QByteArrayView untilZero(QByteArrayView field) {
    const qsizetype zero = field.indexOf('\0');
    return zero < 0 ? field : field.first(zero);
}

}  // namespace

std::optional<std::int64_t> parseEntrySize(QByteArrayView field) {
    const QByteArrayView digits =
        untilZero(field.first(std::min<qsizetype>(field.size(), kEntrySizeFieldSize)));
    if (digits.isEmpty())
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');  // 11 digits stay far below 2^63
    }
    return value;
}

QByteArray encodeEntryHeader(const QString& name, std::int64_t contentSize) {
    QByteArray header(kEntryHeaderSize, '\0');
    const QByteArray nameBytes = toCp1252(name).left(kEntryNameFieldSize - 1);
    std::copy(nameBytes.begin(), nameBytes.end(), header.begin());
    const QByteArray sizeText = QByteArray::number(qlonglong(contentSize));
    std::copy(sizeText.begin(), sizeText.end(), header.begin() + kEntryNameFieldSize);
    return header;
}

QByteArray encodeEntry(const QString& name, const QByteArray& content) {
    return encodeEntryHeader(name, content.size()) + content;
}

QString entryExtractionName(const QString& storedName) {
    const QString name = storedName.mid(std::max(storedName.lastIndexOf(QLatin1Char('\\')),
                                                 storedName.lastIndexOf(QLatin1Char('/'))) +
                                        1);
    if (name == QLatin1String(".") || name == QLatin1String("..") || name.contains(u':') ||
        name.contains(QChar(0)))
        return {};
    return name;
}

std::optional<std::int64_t> EntryReader::readSizeField() {
    const QByteArray field = device_->read(kEntrySizeFieldSize);
    if (field.size() != kEntrySizeFieldSize)
        return std::nullopt;
    const auto size = parseEntrySize(field);
    if (!size || *size > device_->size() - device_->pos())
        return std::nullopt;
    return size;
}

std::optional<EntryHeader> EntryReader::next() {
    EntryHeader header;
    header.headerOffset = device_->pos();
    const QByteArray nameField = device_->read(kEntryNameFieldSize);
    if (nameField.size() != kEntryNameFieldSize)
        return std::nullopt;
    const auto size = readSizeField();
    if (!size)
        return std::nullopt;
    header.name = fromCp1252(untilZero(nameField));
    header.size = *size;
    if (!device_->seek(header.contentOffset() + header.size))
        return std::nullopt;
    return header;
}

bool EntryReader::findEntry(const QString& name) {
    return findEntryMatching([&](const QString& stored) { return stored == name; });
}

bool EntryReader::findEntryMatching(const std::function<bool(const QString&)>& matches) {
    // Every step moves at least one header forward, so the walk always ends.
    bool rewound = false;
    for (;;) {
        const auto header = next();
        if (!header) {
            if (rewound)
                return false;
            rewound = true;
            rewind();
            continue;
        }
        if (matches(header->name))
            return device_->seek(header->headerOffset + kEntryNameFieldSize);
    }
}

std::optional<QString> EntryReader::extractTo(const QString& targetDirHost, const QString& name) {
    const QString fileName = entryExtractionName(name);
    const auto size = readSizeField();
    ConfinedFile out;
    if (fileName.isEmpty() || !size || !out.open(targetDirHost, {fileName}))
        return std::nullopt;
    // Copied in pieces, so a large entry never sits in memory whole.
    constexpr std::int64_t kPiece = 1 << 20;
    for (std::int64_t left = *size; left > 0;) {
        const QByteArray piece = device_->read(std::min(left, kPiece));
        if (piece.isEmpty() || out.file().write(piece) != piece.size())
            return std::nullopt;
        left -= piece.size();
    }
    if (!out.commit())
        return std::nullopt;
    return out.finalPath();
}

std::optional<QByteArray> EntryReader::readContent() {
    const auto size = readSizeField();
    if (!size || *size > limits::kMaxEntrySize)
        return std::nullopt;
    QByteArray content = device_->read(*size);
    if (content.size() != *size)
        return std::nullopt;
    return content;
}

}  // namespace ztv
