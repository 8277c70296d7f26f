#include "tools/ztvtool/BuildCommand.h"

#include "common/LangLines.h"
#include "common/LanguageFile.h"
#include "common/builder/ApplicationBuild.h"
#include "common/builder/OutputFolder.h"
#include "tools/ztvtool/ToolFailure.h"

#include <QDir>
#include <QFileInfo>

namespace ztv::tool {
namespace {

using namespace builder;

const QString kBuildUsage = QStringLiteral(
    "usage: ztvtool build PROJECT.PZV [--dist web|cdrom|ztvx] [--compress none|global|page] "
    "[--autorun] [--compressed-player] [--out DIR]");

// Every message of the build goes to standard error as it comes; the last one explains a
// failure. Questions are never asked: a build from the command line has no one to answer.
class ConsolePrompter : public ChooserlessPrompter {
  public:
    explicit ConsolePrompter(QTextStream& err) : err_(err) {}
    int ask(const QString& text, const QString&, Buttons) override {
        err_ << "ztvtool: " << text << '\n';
        err_.flush();
        last_ = text;
        return Ok;
    }
    const QString& last() const { return last_; }

  private:
    QTextStream& err_;
    QString last_;
};

struct BuildArguments {
    QString project;
    QString out;
    BuildOptions options;
};

template <class T>
T choice(const QString& value, std::initializer_list<std::pair<const char*, T>> choices) {
    for (const auto& [name, v] : choices) {
        if (value == QLatin1String(name))
            return v;
    }
    throw Failure{kBuildUsage};
}

BuildArguments parse(const QStringList& args) {
    BuildArguments a;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--dist") && hasValue) {
            a.options.distribution =
                choice<Distribution>(args[++i], {{"web", Distribution::Web},
                                                 {"cdrom", Distribution::CdRom},
                                                 {"ztvx", Distribution::Ztvx}});
        } else if (arg == QLatin1String("--compress") && hasValue) {
            a.options.compression =
                choice<Compression>(args[++i], {{"none", Compression::None},
                                                {"global", Compression::Global},
                                                {"page", Compression::PerPage}});
        } else if (arg == QLatin1String("--autorun")) {
            a.options.autorun = true;
        } else if (arg == QLatin1String("--compressed-player")) {
            a.options.compressedPlayer = true;
        } else if (arg == QLatin1String("--out") && hasValue) {
            a.out = args[++i];
        } else if (!arg.startsWith(QLatin1String("--")) && a.project.isEmpty()) {
            a.project = arg;
        } else {
            throw Failure{kBuildUsage};
        }
    }
    if (a.project.isEmpty())
        throw Failure{kBuildUsage};
    a.options = a.options.normalised();
    return a;
}

// A folder of its own: the build deletes every file it leaves in it besides the application.
QString outputFolder(const BuildArguments& a, const LanguageFile& language) {
    QString folder = a.out;
    if (folder.isEmpty()) {
        folder = nextOutputFolder(QFileInfo(a.project).absolutePath(),
                                  language.text(lang::OutputFolderPrefix));
        if (folder.isEmpty())
            throw Failure{language.text(lang::OutputFoldersExhausted)};
    } else if (pathTaken(folder)) {
        throw Failure{
            QStringLiteral("%1: already exists; the build needs a new folder").arg(folder)};
    }
    if (!createOutputFolders(folder, a.options))
        throw Failure{QStringLiteral("%1: cannot create the folder").arg(folder)};
    return QFileInfo(folder).absoluteFilePath();
}

}  // namespace

void buildCommand(const QStringList& args, const QString& appDirHost, QTextStream& out,
                  QTextStream& err) {
    const BuildArguments a = parse(args);
    LanguageFile language;
    const QString languageFile = QDir(appDirHost).filePath(QStringLiteral("rlang.asc"));
    if (!language.load(languageFile))
        throw Failure{QStringLiteral("%1: cannot be read").arg(languageFile)};
    if (!QFileInfo(a.project).isFile())
        throw Failure{language.text(lang::ProjectFileMissing)};
    const QString folder = outputFolder(a, language);
    const DriveTable drives = DriveTable::system(appDirHost);
    ConsolePrompter prompter(err);
    BuildHooks hooks;
    hooks.pageGathered = [&out](int page) {
        out << "page " << page << '\n';
        out.flush();
    };
    hooks.findMedia = driveTableMediaFinder(drives, QFileInfo(a.project).absolutePath());
    ApplicationBuild build({QFileInfo(a.project).absoluteFilePath(), appDirHost, folder, a.options},
                           language, drives, prompter, hooks);
    if (build.run() != BuildOutcome::Built)
        throw Failure{prompter.last()};
    out << folder << '\n';
}

}  // namespace ztv::tool
