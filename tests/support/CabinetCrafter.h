#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>

namespace ztv::test {

struct CraftedMember {
    QByteArray name;  // stored as given, so tests can write any bytes a stranger could
    QByteArray data;
    // The size the file entry declares; the data's size when negative.
    std::int64_t declaredSize = -1;
};

// A one-folder cabinet with stored (uncompressed) data blocks and no checksums, written byte
// by byte so that tests control every field, names and sizes included.
QByteArray craftCabinet(const QList<CraftedMember>& members);

}  // namespace ztv::test
