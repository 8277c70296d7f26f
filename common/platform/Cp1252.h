#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Every string on disk is Windows-1252; conversion happens only at the file boundary.
namespace ztv {

QString fromCp1252(QByteArrayView bytes);
// A character with no Windows-1252 byte becomes '?'.
QByteArray toCp1252(const QString& text);

}  // namespace ztv
