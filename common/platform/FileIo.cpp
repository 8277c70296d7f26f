#include "common/platform/FileIo.h"

#include "common/platform/Cp1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace ztv {

bool writeFileAtomically(const QString& hostPath, const QByteArray& data, QString* error) {
    QSaveFile file(hostPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        if (error) {
            *error = file.errorString();
        }
        return false;
    }
    return true;
}

std::optional<QByteArray> readWhole(const QString& hostPath, QString* error) {
    QFile source(hostPath);
    if (!source.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = source.errorString();
        }
        return std::nullopt;
    }
    return source.readAll();
}

namespace {

QByteArray encodeLines(const QStringList& lines) {
    QByteArray data;
    for (const QString& line : lines) {
        data += toCp1252(line);
        data += "\r\n";
    }
    return data;
}

}  // namespace

bool copyFileAtomically(const QString& fromHost, const QString& toHost, QString* error) {
    const auto data = readWhole(fromHost, error);
    return data && writeFileAtomically(toHost, *data, error);
}

bool copyDerivedFile(const QString& fromHost, const QString& toHost, QString* error) {
    const auto data = readWhole(fromHost, error);
    return data && writeDerivedFile(toHost, *data, error);
}

bool writeDerivedFile(const QString& hostPath, const QByteArray& data, QString* error) {
    // Named after this process, so no other writer shares it; created with the usual rights.
    QFile file(hostPath + QStringLiteral(".~%1").arg(QCoreApplication::applicationPid()));
    const auto fail = [&](const QString& why) {
        if (error) {
            *error = why;
        }
        file.remove();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size() ||
        !file.flush()) {
        return fail(file.errorString());
    }
    file.close();
    // POSIX rename replaces the old file in one step; QFile::rename refuses an existing target.
    if (std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(hostPath).constData()) != 0) {
        return fail(QStringLiteral("cannot rename %1").arg(file.fileName()));
    }
    return true;
}

std::optional<QStringList> readLines(const QString& hostPath) {
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray data = file.readAll();
    QStringList lines;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        const qsizetype next = end < 0 ? data.size() : end + 1;
        if (end < 0) {
            end = data.size();
        }
        if (end > start && data[end - 1] == '\r') {
            --end;
        }
        lines.append(fromCp1252(QByteArrayView(data.constData() + start, end - start)));
        start = next;
    }
    return lines;
}

bool writeLines(const QString& hostPath, const QStringList& lines, QString* error) {
    return writeFileAtomically(hostPath, encodeLines(lines), error);
}

bool writeDerivedLines(const QString& hostPath, const QStringList& lines, QString* error) {
    return writeDerivedFile(hostPath, encodeLines(lines), error);
}

QString findEntryNoCase(const QString& hostDir, const QString& name) {
    if (name.isEmpty()) {
        return {};
    }
    const QDir dir(hostDir);
    if (QFileInfo::exists(dir.filePath(name))) {
        return name;
    }
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return entry;
        }
    }
    return {};
}

}  // namespace ztv
