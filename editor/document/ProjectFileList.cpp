#include "editor/document/ProjectFileList.h"

#include "common/formats/ActionModel.h"
#include "common/formats/ElementKinds.h"
#include "common/formats/LangLines.h"
#include "common/platform/FileIo.h"
#include "common/platform/Prompter.h"
#include "common/platform/ShownPath.h"
#include "editor/document/MediaLookup.h"
#include "editor/document/PageBook.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/Storyboard.h"

#include <QDir>
#include <QFileInfo>
#include <set>

namespace ztv::editor {

namespace {

// The list box's lines; without repetition a line already there (compared without regard to
// case, as file names are) is not added again.
class FileLines {
  public:
    explicit FileLines(FileListMode mode) : mode_(mode) {}

    void addFile(const QString& line) {
        if (mode_ == FileListMode::WithoutRepetition && !seen_.insert(line.toLower()).second) {
            return;
        }
        lines_.append(line);
    }
    void addHeading(const QString& line) { lines_.append(line); }
    QStringList take() { return std::move(lines_); }

  private:
    FileListMode mode_;
    std::set<QString> seen_;
    QStringList lines_;
};

class Lister {
  public:
    Lister(SessionSettings& state, Prompter& prompter, FileListMode mode)
        : state_(state), prompter_(prompter), mode_(mode), lines_(mode) {}

    QStringList run() {
        listProjectOwnFiles();
        lines_.addHeading(QStringLiteral(" "));
        const QString dir = state_.paths.workingDir();
        for (const PageEntry& page : PageBook(dir).livePages()) {
            const QString jou = Storyboard::pageFilePath(dir, page.number, QStringLiteral(".JOU"));
            if (!QFileInfo::exists(jou)) {
                continue;
            }
            if (mode_ == FileListMode::PerPage) {
                lines_.addHeading(QStringLiteral(" "));
                lines_.addHeading(QStringLiteral("--------") +
                                  state_.text(lang::FileListPageHeading) +
                                  QString::number(page.number) + QStringLiteral("    ") +
                                  page.title + QStringLiteral(" --------"));
            }
            listPage(jou);
        }
        return lines_.take();
    }

  private:
    void listProjectOwnFiles() {
        lines_.addFile(state_.projectName);
        const QFileInfo project(state_.projectName);
        const QString base = project.completeBaseName();
        const auto sibling = [&](const QString& extension) {
            const QString existing = findEntryNoCase(project.absolutePath(), base + extension);
            return QDir(project.absolutePath())
                .filePath(existing.isEmpty() ? base + extension : existing);
        };
        lines_.addFile(sibling(QStringLiteral(".ztv")));
        lines_.addFile(sibling(QStringLiteral(".ini")));
        const QString keywords = sibling(QStringLiteral(".pmg"));
        if (QFileInfo::exists(keywords)) {
            lines_.addFile(keywords);
        }
    }

    void listPage(const QString& jou) {
        const auto records = readPageFile(jou);
        if (!records) {
            return;
        }
        for (qsizetype i = 1; i < records->size(); ++i) {
            const ElementRecord& r = records->at(i);
            if (r.isAbsent()) {
                continue;
            }
            listActionFiles(r);
            if (factsOfRow(r.Ligne).fileInFichier) {
                listMedia(r.Fichier);
                listMedia(r.SurvolFichier);
            }
            if (kindOfRow(r.Ligne) == ElementKind::Character) {
                listMedia(r.sensdegra);  // the character's voice
            }
        }
    }

    void listActionFiles(const ElementRecord& r) {
        const Action action = actionOf(r, state_.language);
        const int files = fileParameterCount(action.kind);
        if (files >= 1) {
            addParameter(action.first);
        }
        if (files == 2) {
            addParameter(action.second);
        }
    }

    void addParameter(const QString& parameter) {
        if (!parameter.trimmed().isEmpty()) {
            lines_.addFile(shownPath(state_.drives, parameter));
        }
    }

    void listMedia(const QString& stored) {
        if (!stored.startsWith(u'\\')) {
            return;
        }
        if (lookUpMediaOrReport(state_, prompter_, stored)) {
            lines_.addFile(mediaHostPath(state_, stored));
        }
    }

    SessionSettings& state_;
    Prompter& prompter_;
    FileListMode mode_;
    FileLines lines_;
};

}  // namespace

QStringList listProjectFiles(SessionSettings& state, Prompter& prompter, FileListMode mode) {
    return Lister(state, prompter, mode).run();
}

}  // namespace ztv::editor
