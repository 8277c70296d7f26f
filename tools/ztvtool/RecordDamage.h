#pragma once

#include <QByteArray>
#include <QString>

// Bytes no writer of these files makes: `dump` reports them instead of printing nonsense.
namespace ztv::tool {

// The name of the first damaged field of an element record (a string longer than its field, a
// wait that is no number); empty when the record is sound.
QString elementRecordDamage(const QByteArray& record, bool projectLayout);
QString pageTableRecordDamage(const QByteArray& record);
QString keywordRecordDamage(const QByteArray& record);

}  // namespace ztv::tool
