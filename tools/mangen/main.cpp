// Writes ztvtool's manual page at build time: ztvmangen OUT.1 VERSION.
#include "tools/ztvtool/ManualPage.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        QTextStream(stderr) << "usage: ztvmangen OUT.1 VERSION\n";
        return 2;
    }
    QSaveFile out(args[1]);
    if (!out.open(QIODevice::WriteOnly) || out.write(ztv::tool::manualPage(args[2]).toUtf8()) < 0 ||
        !out.commit()) {
        QTextStream(stderr) << "ztvmangen: cannot write " << args[1] << '\n';
        return 1;
    }
    return 0;
}
