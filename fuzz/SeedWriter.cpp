// Writes every target's seed corpus into <folder>/<target>/, for `make fuzz`.
#include "fuzz/FuzzSeeds.h"
#include "fuzz/FuzzTargets.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds <folder>\n");
        return 2;
    }
    for (const ztv::fuzz::Target& target : ztv::fuzz::targets()) {
        const QDir dir(QDir(QString::fromLocal8Bit(argv[1])).filePath(target.name));
        QDir().mkpath(dir.path());
        int n = 0;
        for (const QByteArray& seed : ztv::fuzz::seeds(target.name)) {
            QFile file(dir.filePath(QStringLiteral("seed-%1").arg(n++)));
            if (!file.open(QIODevice::WriteOnly) || file.write(seed) != seed.size())
                return 1;
        }
    }
    return 0;
}
