#include "common/builder/EntryAppender.h"

#include "common/EntryReader.h"

#include <QFile>

namespace ztv::builder {
namespace {

bool fail(QString* error, const QString& text) {
    if (error) {
        *error = text;
    }
    return false;
}

}  // namespace

bool appendEntry(QIODevice& output, const QString& entryName, const QString& fileHost,
                 QString* error) {
    QFile input(fileHost);
    if (!input.open(QIODevice::ReadOnly)) {
        return fail(error, QStringLiteral("%1: %2").arg(fileHost, input.errorString()));
    }
    const qint64 size = input.size();
    const QByteArray header = encodeEntryHeader(entryName, size);
    if (output.write(header) != header.size()) {
        return fail(error, output.errorString());
    }
    constexpr qint64 kChunk = 1 << 20;
    qint64 copied = 0;
    while (copied < size) {
        const QByteArray chunk = input.read(std::min(kChunk, size - copied));
        if (chunk.isEmpty()) {
            return fail(error, QStringLiteral("%1: shorter than its size").arg(fileHost));
        }
        if (output.write(chunk) != chunk.size()) {
            return fail(error, output.errorString());
        }
        copied += chunk.size();
    }
    return true;
}

}  // namespace ztv::builder
