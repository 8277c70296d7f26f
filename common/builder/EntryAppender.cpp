#include "common/builder/EntryAppender.h"

#include "common/EntryReader.h"

#include <QFile>
#include <QFileInfo>

namespace ztv::builder {
namespace {

bool fail(QString* error, const QString& text) {
    if (error) {
        *error = text;
    }
    return false;
}

bool copyEntry(QIODevice& output, const QString& entryName, QFile& input, qint64 size,
               QString* error) {
    const QByteArray header = encodeEntryHeader(entryName, size);
    if (output.write(header) != header.size()) {
        return fail(error, output.errorString());
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

bool appendEntry(QIODevice& output, const QString& entryName, const QString& fileHost,
                 qint64 expectedSize, QString* error) {
    QFile input(fileHost);
    if (!input.open(QIODevice::ReadOnly)) {
        return fail(error, QStringLiteral("%1: %2").arg(fileHost, input.errorString()));
    }
    if (input.size() != expectedSize) {
        return fail(error, QStringLiteral("%1: changed during the build").arg(fileHost));
    }
    return copyEntry(output, entryName, input, expectedSize, error);
}

bool appendEntry(QIODevice& output, const QString& entryName, const QString& fileHost,
                 QString* error) {
    return appendEntry(output, entryName, fileHost, QFileInfo(fileHost).size(), error);
}

}  // namespace ztv::builder
