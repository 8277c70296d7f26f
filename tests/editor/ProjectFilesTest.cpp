// The project files dialog: the list of the files a saved project needs in both modes, the list
// printed on sheets, and the media gathered into one folder tree with the records rewritten.
#include "common/formats/LangLines.h"
#include "common/platform/FileIo.h"
#include "editor/dialogs/MediaCopyDialog.h"
#include "editor/dialogs/ProjectFilesDialog.h"
#include "editor/document/ProjectFileList.h"
#include "editor/printing/FileListPrint.h"
#include "tests/editor/ProjectFixture.h"

#include <QComboBox>
#include <QDir>
#include <QFontDialog>
#include <QLineEdit>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>

namespace ztv::test {
namespace {

class ProjectFiles : public ProjectFixture {
  protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        // The media lie on a second drive, a CD, that the media drive does not start on.
        cd_ = dir_.path() + QStringLiteral("/cd");
        QDir().mkpath(cd_ + QStringLiteral("/pics/one"));
        QDir().mkpath(cd_ + QStringLiteral("/pics/two"));
        QDir().mkpath(cd_ + QStringLiteral("/snd"));
        state().drives.set(u'D', cd_, DriveType::Cd);
        state().cdDrive = QStringLiteral("D:");
        state().mediaDrive = QStringLiteral("C:");
    }

    QString media(const QString& relative, const QByteArray& bytes) {
        ProjectWriter(cd_).writeBytes(relative, bytes);
        return QStringLiteral("\\") + QString(relative).replace(u'/', u'\\');
    }

    // A saved project "album" opened in the editor, page 2 current.
    QString openAlbum(const QList<PageEntry>& pages, const QList<ContainerRecord>& records) {
        const QString pzv =
            ProjectWriter(folder()).writeSavedProject(QStringLiteral("album"), pages, records);
        EXPECT_TRUE(window().openProject(pzv));
        window().document().showPage(pages.first().number);
        return pzv;
    }

    static ElementRecord picture(int row, int column, const QString& path) {
        return makeRecord(row, column, path);
    }

    QStringList listing(editor::FileListMode mode) {
        return editor::listProjectFiles(state(), prompter_, mode);
    }

    QString target() const { return dir_.path() + QStringLiteral("/out"); }
    QString storedTarget() const { return QString(target()).replace(u'/', u'\\'); }

    editor::GatherFolders folders() const {
        return {target(), QStringLiteral("images"), QStringLiteral("sons"),
                QStringLiteral("videos")};
    }

    QString cd_;
};

TEST_F(ProjectFiles, APictureOfTwoPagesIsListedUnderEachPageOrOnce) {
    const QString a = media("pics/one/a.jpg", "A");
    const QString s = media("snd/s.wav", "S");
    ElementRecord document = makeRecord(50, 1, QStringLiteral("T168 1"));
    document.Acte = numberedText(lang::ActionOpenDocumentWith);
    document.Destination = QStringLiteral("C:\\prog\\viewer");
    document.Destin2 = QStringLiteral("C:\\docs\\guide.pdf");
    ElementRecord printThenGo = makeRecord(51, 1, QStringLiteral("T168 2"));
    printThenGo.Acte = numberedText(lang::ActionPrintTextThenGoToPage);
    printThenGo.Destination = QStringLiteral("C:\\docs\\notes.txt");
    printThenGo.Destin2 = QStringLiteral("5");
    ElementRecord hover = picture(5, 2, a);
    hover.SurvolFichier = media("pics/one/a-over.jpg", "H");
    openAlbum({{2, QStringLiteral("Deux")}, {5, QStringLiteral("Cinq")}, {7, QStringLiteral(" ")}},
              {{2, picture(4, 1, a)},
               {2, makeRecord(1, 1, s)},
               {2, document},
               {2, printThenGo},
               {5, hover},
               {5, makeRecord(30, 1, QStringLiteral("Bonjour"))},
               {7, picture(4, 1, media("pics/two/deleted.jpg", "D"))}});
    // Every line is a host path, as a person reads it.
    const QString project = folder();
    const QString onCd = cd_ + "/pics/one/a.jpg";
    const QStringList perPage = listing(editor::FileListMode::PerPage);
    const QStringList expectedPerPage{project + "/album.PZV",
                                      project + "/album.ZTV",
                                      project + "/album.ini",
                                      " ",
                                      " ",
                                      "--------T972    Deux --------",
                                      onCd,
                                      cd_ + "/snd/s.wav",
                                      "/prog/viewer",
                                      "/docs/guide.pdf",
                                      "/docs/notes.txt",
                                      " ",
                                      "--------T975    Cinq --------",
                                      onCd,
                                      cd_ + "/pics/one/a-over.jpg"};
    EXPECT_EQ(perPage, expectedPerPage);
    EXPECT_EQ(state().mediaDrive, QStringLiteral("D:")) << "found on the CD, which stays";

    const QStringList once = listing(editor::FileListMode::WithoutRepetition);
    EXPECT_EQ(once.count(onCd), 1);
    EXPECT_EQ(once.size(), expectedPerPage.size() - 5) << once.join('|').toStdString();
    EXPECT_TRUE(prompter_.texts().isEmpty());

    // A medium found on no drive is reported and left out.
    QFile::remove(cd_ + QStringLiteral("/pics/one/a-over.jpg"));
    EXPECT_FALSE(
        listing(editor::FileListMode::WithoutRepetition).contains(cd_ + "/pics/one/a-over.jpg"));
    EXPECT_EQ(prompter_.texts().last(), QStringLiteral("T2 /pics/one/a-over.jpg T3"));

    // The dialog opens on the list without repetition and switches modes.
    onDialog([&](QDialog& d) {
        auto& form = static_cast<editor::ProjectFilesDialog&>(d);
        EXPECT_EQ(d.windowTitle(), numberedText(562));
        EXPECT_EQ(form.lines().size(), once.size() - 1);
        d.findChild<QComboBox*>(QStringLiteral("ComboBox1"))->setCurrentIndex(0);
        EXPECT_EQ(form.lines().size(), expectedPerPage.size() - 1);
    });
    window().runCommand(editor::Command::ProjectFiles);
    EXPECT_EQ(dialogsShown.last(), QStringLiteral("Form28"));
}

TEST_F(ProjectFiles, TheCommandNeedsAPageAndANamedProject) {
    newProjectWithPages({QStringLiteral("Un")});
    window().runCommand(editor::Command::ProjectFiles);
    EXPECT_EQ(prompter_.texts().last(), numberedText(lang::SaveProjectFirst));
    window().storyboard().closePage();
    window().runCommand(editor::Command::ProjectFiles);
    EXPECT_EQ(prompter_.texts().last(), numberedText(lang::NoCurrentPage));
    EXPECT_FALSE(dialogsShown.contains(QStringLiteral("Form28")));
}

TEST_F(ProjectFiles, TheListSheetsBreakAfterTheLinesASheetHolds) {
    QStringList lines;
    for (int i = 0; i < 30; ++i) {
        lines.append(QStringLiteral("C:\\media\\%1.jpg").arg(i));
    }
    const editor::FileListSource source{state().language, "album",           "1/1/26",
                                        "10:00",          "T562 :     T561", lines};
    const QFontMetrics body(QFont(QStringLiteral("Arial"), 10));
    const QFontMetrics big(QFont(QStringLiteral("Arial"), 14));
    const QSize page(2000, 400);
    const int perSheet = page.height() / (body.height() + 10);
    ASSERT_GE(perSheet, 7);
    const auto sheets = editor::layoutFileList(source, body, big, page);
    const int bodyLines = perSheet - 5;
    ASSERT_EQ(sheets.size(), (30 + bodyLines - 1) / bodyLines);
    EXPECT_EQ(sheets[0].texts[0].text, QStringLiteral("T151 album."));
    EXPECT_EQ(sheets[0].texts[1].text, QStringLiteral("T152 1/1/26T153 10:00T154"));
    EXPECT_EQ(sheets[1].texts[1].text, QStringLiteral("T152 1/1/26T153 10:00T159 2."));
    EXPECT_EQ(sheets[1].texts[2].text, QStringLiteral("T562 :     T561"));
    EXPECT_EQ(sheets[1].texts[2].face, editor::ListingFace::Big);
    EXPECT_EQ(sheets[0].texts.size(), 3 + bodyLines);
    EXPECT_EQ(sheets[0].texts[3].text, lines[0]);
    EXPECT_EQ(sheets[1].texts[3].text, lines[bodyLines]);
    EXPECT_EQ(sheets[1].texts[3].at, sheets[0].texts[3].at) << "every sheet starts alike";
    EXPECT_EQ(sheets[0].texts[3].face, editor::ListingFace::Body);
    EXPECT_EQ(sheets[0].rules.last().y1(), page.height() - 1) << "a full sheet closes at the end";

    // A font taller than a sixth of the page still prints six lines a sheet, never zero.
    const auto tiny = editor::layoutFileList(source, body, big, {2000, 30});
    EXPECT_EQ(tiny.size(), 30);
}

TEST_F(ProjectFiles, PrintingGoesThroughTheListFileOntoSheets) {
    openAlbum({{2, QStringLiteral("Deux")}}, {{2, picture(4, 1, media("pics/one/a.jpg", "A"))}});
    const QString pdf = dir_.filePath("files.pdf");
    window().printer().setOutputFormat(QPrinter::PdfFormat);
    window().printer().setOutputFileName(pdf);
    QStringList lines;
    for (int i = 0; i < 200; ++i) {
        lines.append(QStringLiteral("C:\\media\\%1.jpg").arg(i));
    }
    onDialog([](QDialog& d) { d.setResult(QDialog::Accepted); });
    onDialog([](QDialog& d) {
        static_cast<QFontDialog&>(d).setCurrentFont(QFont(QStringLiteral("Arial"), 10));
        d.setResult(QDialog::Accepted);
    });
    editor::printFileList(state(), prompter_, &window(), window().printer(), lines, "T562");
    ASSERT_TRUE(prompter_.texts().isEmpty()) << prompter_.texts().join('|').toStdString();
    EXPECT_EQ(*readLines(appDir() + QStringLiteral("/$impr.txt")), lines);
    const QFontMetrics body(QFont(QStringLiteral("Arial"), 10), &window().printer());
    const int bodyLines = window().printer().height() / (body.height() + 10) - 5;
    const QByteArray data = readBytes(pdf);
    EXPECT_EQ(data.count("/Type /Page\n") + data.count("/Type /Page "),
              (200 + bodyLines - 1) / bodyLines);

    // A font taller than the page (a label sheet) is refused.
    QFile::remove(pdf);
    const QPageSize paper = window().printer().pageLayout().pageSize();
    window().printer().setPageSize(QPageSize(QSizeF(20, 20), QPageSize::Millimeter));
    onDialog([](QDialog& d) { d.setResult(QDialog::Accepted); });
    onDialog([](QDialog& d) {
        static_cast<QFontDialog&>(d).setCurrentFont(QFont(QStringLiteral("Arial"), 200));
        d.setResult(QDialog::Accepted);
    });
    editor::printFileList(state(), prompter_, &window(), window().printer(), lines, "T562");
    EXPECT_EQ(prompter_.texts(), QStringList{numberedText(lang::FontTallerThanPage)});
    EXPECT_FALSE(QFileInfo::exists(pdf));
    window().printer().setPageSize(paper);

    // A list file that cannot be written stops the printing with a message.
    QFile::remove(appDir() + QStringLiteral("/$impr.txt"));
    QDir().mkpath(appDir() + QStringLiteral("/$impr.txt/blocked"));
    onDialog([](QDialog& d) { d.setResult(QDialog::Accepted); });
    onDialog([](QDialog& d) { d.setResult(QDialog::Accepted); });
    editor::printFileList(state(), prompter_, &window(), window().printer(), lines, "T562");
    ASSERT_EQ(prompter_.texts().size(), 2);
    EXPECT_TRUE(prompter_.texts().last().startsWith(numberedText(lang::FileListNotWritten)));
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

TEST_F(ProjectFiles, GatheringCopiesTheMediaFromTheSecondDriveAndRewritesThePaths) {
    const QString a1 = media("pics/one/a.jpg", "first a");
    const QString a2 = media("pics/two/a.jpg", "second a");
    const QString s = media("snd/s.wav", "S");
    const QString v = media("snd/v.mpg", "V");
    ElementRecord hover = picture(5, 1, a1);
    hover.SurvolFichier = a2;
    ElementRecord voice = makeRecord(24, 2, media("pics/one/walk.gif", "W"));
    voice.sensdegra = s;
    openAlbum({{2, QStringLiteral("Deux")}, {5, QStringLiteral("Cinq")}},
              {{2, picture(4, 1, a1)},
               {2, hover},
               {2, makeRecord(1, 1, s)},
               {2, makeRecord(2, 1, v)},
               {2, voice},
               {2, makeRecord(30, 1, QStringLiteral("Bonjour"))},
               {5, picture(4, 1, a1)},
               {5, picture(6, 1, QStringLiteral("\\nowhere\\lost.jpg"))}});

    // Through the dialogs: the list, its copy button, the copy dialog's folders and its button.
    onDialog([](QDialog& d) { d.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click(); });
    onDialog([this](QDialog& d) {
        auto* edit = d.findChild<QLineEdit*>(QStringLiteral("Edit1"));
        EXPECT_EQ(edit->text(), folder() + "/MEDIAALBUM") << "beside the project";
        EXPECT_EQ(d.findChild<QLineEdit*>(QStringLiteral("Edit2"))->text(), numberedText(507));
        edit->setText(target());
        d.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(QStringLiteral("images"));
        d.findChild<QLineEdit*>(QStringLiteral("Edit3"))->setText(QStringLiteral("sons"));
        d.findChild<QLineEdit*>(QStringLiteral("Edit4"))->setText(QStringLiteral("videos"));
        d.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    });
    window().runCommand(editor::Command::ProjectFiles);
    ASSERT_EQ(dialogsShown, (QStringList{QStringLiteral("Form28"), QStringLiteral("Form1")}));
    // The listing, the copy and the list refilled after it each report the lost picture.
    const QString lost = QStringLiteral("T2 /nowhere/lost.jpg T3");
    EXPECT_EQ(prompter_.texts(),
              (QStringList{lost, lost, numberedText(lang::OperationDone), lost}));
    EXPECT_TRUE(prompter_.asked()[2].information) << "a success shows no warning";
    EXPECT_TRUE(state().modified);
    EXPECT_EQ(window().storyboard().page(), 2);

    const auto page2 = readPageRecords(workingDir() + QStringLiteral("/2.JOU"));
    EXPECT_EQ(readBytes(workingDir() + QStringLiteral("/2.ACT")),
              readBytes(workingDir() + QStringLiteral("/2.JOU")));
    const QString t = storedTarget();
    QStringList paths;
    for (const ElementRecord& r : page2) {
        paths << r.Fichier << r.SurvolFichier;
        if (r.Ligne == 24) {
            EXPECT_EQ(r.sensdegra, t + "\\images\\2\\s.wav");
        }
    }
    EXPECT_TRUE(paths.contains(t + "\\images\\2\\a.jpg"));
    EXPECT_TRUE(paths.contains(t + "\\images\\2\\a-2.jpg")) << paths.join('|').toStdString();
    EXPECT_TRUE(paths.contains(t + "\\sons\\s.wav"));
    EXPECT_TRUE(paths.contains(t + "\\videos\\v.mpg"));
    EXPECT_TRUE(paths.contains(t + "\\images\\2\\walk.gif"));
    EXPECT_TRUE(paths.contains(QStringLiteral("Bonjour"))) << "texts are not paths";
    for (const ElementRecord& r : page2) {
        for (const QString& p : {r.Fichier, r.SurvolFichier}) {
            if (p.startsWith(u'\\')) {
                EXPECT_TRUE(p.startsWith(t + "\\")) << p.toStdString();
            }
        }
    }
    // Each record names its own file.
    EXPECT_EQ(readBytes(target() + "/images/2/a.jpg"), "first a");
    EXPECT_EQ(readBytes(target() + "/images/2/a-2.jpg"), "second a");

    const auto page5 = readPageRecords(workingDir() + QStringLiteral("/5.JOU"));
    EXPECT_EQ(page5[0].Fichier, t + "\\images\\5\\a.jpg");
    EXPECT_EQ(page5[1].Fichier, QStringLiteral("\\nowhere\\lost.jpg")) << "left as it was";
    EXPECT_EQ(window().storyboard().cellText(1, 4).isEmpty(), false) << "the grid is refilled";

    // Gathering again copies nothing new and changes no record.
    const QByteArray before = readBytes(workingDir() + QStringLiteral("/2.JOU"));
    editor::copyProjectMedia(window().services(), folders(), copyFileAtomically);
    EXPECT_EQ(readBytes(workingDir() + QStringLiteral("/2.JOU")), before);
    EXPECT_FALSE(QFileInfo::exists(target() + "/images/2/a-3.jpg"));

    // A folder typed without a root lies beside the project.
    editor::copyProjectMedia(window().services(), {"MEDIA2", "images", "sons", "videos"},
                             copyFileAtomically);
    EXPECT_TRUE(QFileInfo::exists(folder() + "/MEDIA2/sons/s.wav"));
}

TEST_F(ProjectFiles, AFailedCopyStopsWithPagesThatStillAgree) {
    openAlbum({{2, QStringLiteral("Deux")}, {5, QStringLiteral("Cinq")}},
              {{2, picture(4, 1, media("pics/one/a.jpg", "A"))},
               {5, picture(4, 1, media("pics/one/b.jpg", "B"))},
               {5, picture(5, 1, media("pics/one/c.jpg", "C"))}});
    const QByteArray page5 = readBytes(workingDir() + QStringLiteral("/5.JOU"));
    int copies = 0;
    // The disk fills up at the third file.
    const editor::FileCopier failing = [&copies](const QString& from, const QString& to,
                                                 QString* error) {
        if (++copies == 3) {
            *error = QStringLiteral("No space left on device");
            return false;
        }
        return copyFileAtomically(from, to, error);
    };
    editor::copyProjectMedia(window().services(), folders(), failing);
    ASSERT_FALSE(prompter_.texts().isEmpty());
    EXPECT_TRUE(prompter_.texts().last().startsWith(numberedText(lang::GatherCopyFailed)));
    EXPECT_FALSE(prompter_.texts().contains(numberedText(lang::OperationDone)));
    // Page 2 was done, page 5 stays as it was; each page's files agree.
    EXPECT_EQ(readPageRecords(workingDir() + QStringLiteral("/2.JOU"))[0].Fichier,
              storedTarget() + "\\images\\2\\a.jpg");
    EXPECT_EQ(readBytes(workingDir() + QStringLiteral("/5.JOU")), page5);
    for (const char* page : {"2", "5"}) {
        EXPECT_EQ(readBytes(workingDir() + "/" + page + ".ACT"),
                  readBytes(workingDir() + "/" + page + ".JOU"))
            << page;
    }
    EXPECT_FALSE(QFileInfo::exists(target() + "/images/5/c.jpg"));
    EXPECT_EQ(window().storyboard().page(), 2) << "the current page is open again";
}

TEST_F(ProjectFiles, ATargetThatCannotHoldTheCopiesChangesNothing) {
    openAlbum({{2, QStringLiteral("Deux")}}, {{2, picture(4, 1, media("pics/one/a.jpg", "A"))}});
    const QByteArray page2 = readBytes(workingDir() + QStringLiteral("/2.JOU"));

    // A file where the target folder should be: it cannot be created.
    ProjectWriter(dir_.path()).writeBytes(QStringLiteral("out"), "in the way");
    editor::copyProjectMedia(window().services(), folders(), copyFileAtomically);
    EXPECT_EQ(prompter_.texts().last(),
              numberedText(lang::GatherFolderNotCreated) + u' ' + target());
    EXPECT_EQ(readBytes(workingDir() + QStringLiteral("/2.JOU")), page2);
    QFile::remove(target());

    // A target so deep that the copy's path does not fit the record's 249 characters.
    editor::GatherFolders deep = folders();
    deep.target = target() + u'/' + QString(240, u'd');
    editor::copyProjectMedia(window().services(), deep, copyFileAtomically);
    EXPECT_TRUE(prompter_.texts().last().startsWith(numberedText(lang::PathTooLong)));
    EXPECT_EQ(readBytes(workingDir() + QStringLiteral("/2.JOU")), page2);
    EXPECT_FALSE(QFileInfo::exists(deep.target + "/images/2/a.jpg")) << "nothing copied";

    // A target the page files cannot spell.
    deep.target = target() + QStringLiteral("/\u4e2d");
    editor::copyProjectMedia(window().services(), deep, copyFileAtomically);
    EXPECT_TRUE(prompter_.texts().last().startsWith(numberedText(lang::UnstorableCharacter) +
                                                    QStringLiteral(" \u4e2d (U+4E2D)\n")));
    EXPECT_EQ(readBytes(workingDir() + QStringLiteral("/2.JOU")), page2);
}

TEST_F(ProjectFiles, AThousandPagesAreListed) {
    QList<PageEntry> pages;
    QList<ContainerRecord> records;
    const QString a = media("pics/one/a.jpg", "A");
    for (int p = 1; p <= 1000; ++p) {
        pages.append({p, QStringLiteral("P%1").arg(p)});
        records.append({p, picture(4, 1, a)});
    }
    openAlbum(pages, records);
    const QString onCd = cd_ + "/pics/one/a.jpg";
    EXPECT_EQ(listing(editor::FileListMode::PerPage).count(onCd), 1000);
    EXPECT_EQ(listing(editor::FileListMode::WithoutRepetition).count(onCd), 1);
}

}  // namespace
}  // namespace ztv::test
