#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>

// Readable failure messages for Qt strings in GoogleTest assertions.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '[' << list.join(QStringLiteral(", ")).toStdString() << ']';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << "bytes(" << bytes.size() << ") " << bytes.left(64).toHex(' ').toStdString();
}
