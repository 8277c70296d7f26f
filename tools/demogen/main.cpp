// Writes the demo project into the folder given as the first argument, with the vocabulary of
// the language file given as the second.
#include "tools/demogen/DemoProject.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: ztvdemogen OUTDIR LANGUAGE.asc\n";
        return 2;
    }
    ztv::LanguageFile language;
    if (!language.load(args[2])) {
        err << "ztvdemogen: cannot read " << args[2] << '\n';
        return 1;
    }
    QString error;
    if (!ztv::demo::writeDemoProject(args[1], language, &error)) {
        err << "ztvdemogen: " << error << '\n';
        return 1;
    }
    return 0;
}
