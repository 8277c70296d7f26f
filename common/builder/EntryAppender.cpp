#include "common/builder/EntryAppender.h"

#include "common/archives/EntryReader.h"

#include <QFile>

namespace ztv::builder {
namespace {

bool fail(QString* error, const QString& text) {
    if (error) {
        *error = text;
    }
    return false;
}

bool openInput(QFile& input, QString* error) {
    return input.open(QIODevice::ReadOnly) ||
           fail(error, QStringLiteral("%1: %2").arg(input.fileName(), input.errorString()));
}

// The header with the open file's size, then its bytes.
bool copyEntry(QIODevice& output, const QString& entryName, QFile& input, QString* error) {
    const qint64 size = input.size();
    if (!writeEntryHeader(output, entryName, size, error)) {
        return false;
    }
    constexpr qint64 kChunk = 1 << 20;
    qint64 copied = 0;
    while (copied < size) {
        const QByteArray chunk = input.read(std::min(kChunk, size - copied));
        if (chunk.isEmpty()) {
            return fail(error, QStringLiteral("%1: shorter than its size").arg(input.fileName()));
        }
        if (output.write(chunk) != chunk.size()) {
            return fail(error, output.errorString());
        }
        copied += chunk.size();
    }
    return true;
}

}  // namespace

bool writeEntryHeader(QIODevice& output, const QString& entryName, qint64 contentSize,
                      QString* error) {
    const QByteArray header = encodeEntryHeader(entryName, contentSize);
    return output.write(header) == header.size() || fail(error, output.errorString());
}

bool appendEntry(QIODevice& output, const QString& entryName, const QString& fileHost,
                 qint64 expectedSize, QString* error) {
    QFile input(fileHost);
    if (!openInput(input, error)) {
        return false;
    }
    if (input.size() != expectedSize) {
        return fail(error, QStringLiteral("%1: changed during the build").arg(fileHost));
    }
    return copyEntry(output, entryName, input, error);
}

bool appendEntry(QIODevice& output, const QString& entryName, const QString& fileHost,
                 QString* error) {
    QFile input(fileHost);
    return openInput(input, error) && copyEntry(output, entryName, input, error);
}

}  // namespace ztv::builder
