#pragma once

#include "common/formats/ElementRecord.h"
#include "common/formats/KeywordTable.h"
#include "common/formats/PageTable.h"
#include "tests/support/QtPrinters.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace ztv::test {

// A record of the given cell, ready to be written; Fichier non-empty so that it is present.
ElementRecord makeRecord(int row, int column, const QString& fichier = QStringLiteral("x.jpg"));

struct ContainerRecord {
    std::int32_t page;
    ElementRecord record;
};

// The settings lines of a project of the given size, as a new project would have them.
QStringList settingsLines(int width = 640, int height = 480, int firstPage = 1);

// Writes project files into a folder the test owns (fails the test on any write error).
class ProjectWriter {
  public:
    explicit ProjectWriter(QString dirHost) : dir_(std::move(dirHost)) {}

    QString path(const QString& name) const;
    QString writeBytes(const QString& name, const QByteArray& data) const;
    QString writePageTable(const QList<PageEntry>& pages,
                           const QString& name = QStringLiteral("PAGES.TAE")) const;
    QString writePageFile(std::int32_t page, const QList<ElementRecord>& records,
                          const QString& extension = QStringLiteral(".JOU")) const;
    QString writeContainer(const QString& name, const QList<ContainerRecord>& records) const;
    QString writeSettings(const QString& name, const QStringList& lines) const;
    QString writeKeywords(const QString& name, const QList<KeywordEntry>& entries) const;
    // A saved project: NAME.PZV, NAME.ini, NAME.ZTV and, with keywords, NAME.PMG.
    QString writeSavedProject(const QString& name, const QList<PageEntry>& pages,
                              const QList<ContainerRecord>& records,
                              const QStringList& settings = settingsLines(),
                              const QList<KeywordEntry>& keywords = {}) const;

  private:
    QString dir_;
};

QByteArray readBytes(const QString& hostPath);
// The records of a page file from record 1, absent ones included; empty when unreadable.
QList<ElementRecord> readPageRecords(const QString& hostPath);

}  // namespace ztv::test
