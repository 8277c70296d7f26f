#include "tools/ztvtool/ZtvTool.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return ztv::tool::run(app.arguments().mid(1), out, err);
}
