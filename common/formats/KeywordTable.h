#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace ztv {

inline constexpr int kKeywordRecordSize = 353;

// One record of the keyword table (MOTS.PMG, NAME.PMG); page and column are decimal texts.
struct KeywordEntry {
    QString keyword;
    QString page;
    QString column;

    // An empty keyword is a free slot.
    bool isFree() const { return keyword.isEmpty(); }
    bool operator==(const KeywordEntry&) const = default;
};

namespace keywordtable {

QByteArray encode(const KeywordEntry& entry);
KeywordEntry decode(const QByteArray& record);
// Every record from record 1, free slots included; nullopt when unreadable.
std::optional<QList<KeywordEntry>> readAll(const QString& hostPath);
// Entries with a keyword; a missing file is an empty table.
QList<KeywordEntry> readUsed(const QString& hostPath);
bool write(const QString& hostPath, const QList<KeywordEntry>& entries, QString* error = nullptr);

}  // namespace keywordtable
}  // namespace ztv
