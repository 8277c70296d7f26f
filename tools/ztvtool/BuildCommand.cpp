#include "tools/ztvtool/BuildCommand.h"

#include "common/builder/ApplicationBuild.h"
#include "common/builder/OutputFolder.h"
#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "common/platform/AppPaths.h"
#include "tools/ztvtool/ToolFailure.h"

#include <QDir>
#include <QFileInfo>

namespace ztv::tool {
namespace {

using namespace builder;

// Every message of the build goes to standard error as it comes; the last one explains a
// failure. Questions are never asked: a build from the command line has no one to answer.
class ConsolePrompter : public ChooserlessPrompter {
  public:
    explicit ConsolePrompter(QTextStream& err) : err_(err) {}
    int ask(const QString& text, const QString&, Buttons) override {
        err_ << "ztvtool: " << text << '\n';
        err_.flush();
        return Ok;
    }

  private:
    QTextStream& err_;
};

struct BuildArguments {
    QString project;
    QString out;
    BuildOptions options;
};

template <class T>
T choice(const QString& option, const QString& value,
         std::initializer_list<std::pair<const char*, T>> choices) {
    for (const auto& [name, v] : choices) {
        if (value == QLatin1String(name))
            return v;
    }
    throw UsageError{QStringLiteral("%1 does not take '%2'").arg(option, value)};
}

BuildArguments parse(const QStringList& args) {
    BuildArguments a;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--dist") && hasValue) {
            a.options.distribution = choice<Distribution>(arg, args[++i],
                                                          {{"web", Distribution::Web},
                                                           {"cdrom", Distribution::CdRom},
                                                           {"ztvx", Distribution::Ztvx}});
        } else if (arg == QLatin1String("--compress") && hasValue) {
            a.options.compression = choice<Compression>(arg, args[++i],
                                                        {{"none", Compression::None},
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
            throw UsageError{arg.startsWith(u'-')
                                 ? QStringLiteral("unknown or incomplete option '%1'").arg(arg)
                                 : QStringLiteral("one project only, not also '%1'").arg(arg)};
        }
    }
    if (a.project.isEmpty())
        throw UsageError{QStringLiteral("no project given")};
    a.options = a.options.normalised();
    return a;
}

// A folder of its own: the build deletes every file it leaves in it besides the application.
QString outputFolder(const BuildArguments& a, const LanguageFile& language,
                     const LanguageFile& messages) {
    QString folder = a.out;
    if (folder.isEmpty()) {
        folder = nextOutputFolder(QFileInfo(a.project).absolutePath(),
                                  language.text(lang::OutputFolderPrefix));
        if (folder.isEmpty())
            throw Failure{messages.text(lang::OutputFoldersExhausted)};
    } else if (pathTaken(folder)) {
        throw Failure{
            QStringLiteral("%1: already exists; the build needs a new folder").arg(folder)};
    }
    if (!createOutputFolders(folder, a.options))
        throw Failure{QStringLiteral("%1: cannot create the folder").arg(folder)};
    return QFileInfo(folder).absoluteFilePath();
}

}  // namespace

// The records' vocabulary is the player's language file; the messages are English, as every
// other message of the tool.
void buildCommand(const QStringList& args, const QString& appDirHost, QTextStream& out,
                  QTextStream& err, bool verbose) {
    const BuildArguments a = parse(args);
    const AppPaths paths(appDirHost, appDirHost);
    LanguageFile language;
    LanguageFile messages;
    for (const auto& [file, path] : {std::pair{&language, paths.playerLanguageFile()},
                                     {&messages, paths.languageFile(QStringLiteral("ENGLISH"))}}) {
        if (!file->load(path))
            throw Failure{QStringLiteral("%1: cannot be read").arg(path)};
    }
    if (!QFileInfo(a.project).isFile())
        throw Failure{
            QStringLiteral("%1: %2").arg(a.project, messages.text(lang::ProjectFileMissing))};
    const QString folder = outputFolder(a, language, messages);
    const DriveTable drives = DriveTable::system(appDirHost);
    ConsolePrompter prompter(err);
    BuildHooks hooks;
    if (verbose) {
        hooks.pageGathered = [&out](int page) {
            out << "page " << page << '\n';
            out.flush();
        };
    }
    hooks.findMedia = driveTableMediaFinder(drives, QFileInfo(a.project).absolutePath());
    ApplicationBuild build({QFileInfo(a.project).absoluteFilePath(), appDirHost, folder, a.options},
                           language, drives, prompter, hooks, &messages);
    if (build.run() != BuildOutcome::Built)
        throw Failure{};  // the prompter has told why
    out << folder << '\n';
}

}  // namespace ztv::tool
