#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Every string on disk is Windows-1252; conversion happens only at the file boundary.
namespace ztv {

QString fromCp1252(QByteArrayView bytes);
// A character with no Windows-1252 byte becomes '?'.
QByteArray toCp1252(const QString& text);
// The first character of text that has no Windows-1252 byte (a surrogate pair is one
// character); empty when every character has one.
QString firstUnencodable(const QString& text);

}  // namespace ztv
