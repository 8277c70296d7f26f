#pragma once

#include <QString>

namespace ztv::builder {

// Where the application goes: everything in one program, the program with its videos and
// sounds in folders beside it, or one archive opened by an installed player.
enum class Distribution { Web, CdRom, Ztvx };
enum class Compression { None, Global, PerPage };

struct BuildOptions {
    Distribution distribution = Distribution::Web;
    bool autorun = false;
    Compression compression = Compression::None;
    bool compressedPlayer = false;

    // A single-file project is always one archive and carries no player.
    BuildOptions normalised() const {
        BuildOptions o = *this;
        if (o.distribution == Distribution::Ztvx) {
            o.compression = Compression::Global;
            o.compressedPlayer = false;
        }
        return o;
    }
    bool isCdRom() const { return distribution == Distribution::CdRom; }
    bool isZtvx() const { return distribution == Distribution::Ztvx; }
};

}  // namespace ztv::builder
