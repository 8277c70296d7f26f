#include "tests/support/ProjectWriter.h"

#include "common/platform/Cp1252.h"
#include "common/platform/FileIo.h"
#include "common/platform/RecordFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace ztv::test {

ElementRecord makeRecord(int row, int column, const QString& fichier) {
    ElementRecord r;
    r.Ligne = row;
    r.Colonne = column;
    r.Fichier = fichier;
    r.Click = QStringLiteral("non");
    r.DisparAuto = QStringLiteral("non");
    r.Inverse = QStringLiteral("non");
    r.IntegrFond = QStringLiteral("non");
    return r;
}

QStringList settingsLines(int width, int height, int firstPage) {
    QStringList lines(16, QStringLiteral("$"));
    lines[0] = QStringLiteral("\\projet.ZTV");
    lines[1] = QString::number(width);
    lines[2] = QString::number(height);
    lines[3] = QString::number(firstPage);
    lines[5] = QStringLiteral("2");
    return lines;
}

QString ProjectWriter::path(const QString& name) const {
    return QDir(dir_).filePath(name);
}

QString ProjectWriter::writeBytes(const QString& name, const QByteArray& data) const {
    QString error;
    EXPECT_TRUE(writeFileAtomically(path(name), data, &error)) << error.toStdString();
    return path(name);
}

QString ProjectWriter::writePageTable(const QList<PageEntry>& pages, const QString& name) const {
    QByteArray data(kPageTableRecordSize, '\0');
    for (const PageEntry& p : pages) {
        data += pagetable::encode(p);
    }
    return writeBytes(name, data);
}

QString ProjectWriter::writePageFile(std::int32_t page, const QList<ElementRecord>& records,
                                     const QString& extension) const {
    QByteArray data(kPageRecordSize, '\0');
    for (const ElementRecord& r : records) {
        data += encodePageRecord(r);
    }
    return writeBytes(QString::number(page) + extension, data);
}

QString ProjectWriter::writeContainer(const QString& name,
                                      const QList<ContainerRecord>& records) const {
    QByteArray data(kProjectRecordSize, '\0');
    for (const ContainerRecord& r : records) {
        data += encodeProjectRecord(r.record, r.page);
    }
    return writeBytes(name, data);
}

QString ProjectWriter::writeSettings(const QString& name, const QStringList& lines) const {
    QByteArray data;
    for (const QString& line : lines) {
        data += toCp1252(line) + "\r\n";
    }
    return writeBytes(name, data);
}

QString ProjectWriter::writeKeywords(const QString& name,
                                     const QList<KeywordEntry>& entries) const {
    QByteArray data(kKeywordRecordSize, '\0');
    for (const KeywordEntry& e : entries) {
        data += keywordtable::encode(e);
    }
    return writeBytes(name, data);
}

QString ProjectWriter::writeSavedProject(const QString& name, const QList<PageEntry>& pages,
                                         const QList<ContainerRecord>& records,
                                         const QStringList& settings,
                                         const QList<KeywordEntry>& keywords) const {
    writeContainer(name + ".ZTV", records);
    QStringList lines = settings;
    lines[0] = QDir::toNativeSeparators(path(name + ".ZTV")).replace(u'/', u'\\');
    writeSettings(name + ".ini", lines);
    if (!keywords.isEmpty()) {
        writeKeywords(name + ".PMG", keywords);
    }
    return writePageTable(pages, name + ".PZV");
}

QByteArray readBytes(const QString& hostPath) {
    QFile f(hostPath);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QList<ElementRecord> readPageRecords(const QString& hostPath) {
    QList<ElementRecord> out;
    const auto records = RecordFile::readAll(hostPath, kPageRecordSize);
    for (qsizetype i = 1; records && i < records->size(); ++i) {
        out.append(decodePageRecord(records->at(i)));
    }
    return out;
}

}  // namespace ztv::test
