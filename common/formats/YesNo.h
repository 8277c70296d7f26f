#pragma once

#include <QString>

namespace ztv {

// Records and settings store yes/no as the texts "oui" and "non", whatever the language.
inline QString ouiNon(bool yes) {
    return yes ? QStringLiteral("oui") : QStringLiteral("non");
}
inline bool isOui(const QString& flag) {
    return flag == QLatin1String("oui");
}
inline bool isNon(const QString& flag) {
    return flag == QLatin1String("non");
}

}  // namespace ztv
