#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "common/platform/FileIo.h"
#include "editor/app/DriveScan.h"
#include "editor/document/RecentProjects.h"
#include "editor/document/SessionSettings.h"
#include "editor/position/PositionStart.h"
#include "editor/storyboard/PictureList.h"
#include "tests/support/ProjectWriter.h"
#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace ztv::test {
namespace {

LanguageFile numberedLanguage(const QTemporaryDir& dir) {
    QStringList lines;
    for (int n = 0; n < 830; ++n) {
        lines.append(QStringLiteral("%1,T%1").arg(n));
    }
    const QString path = dir.filePath(QStringLiteral("lang.asc"));
    EXPECT_TRUE(writeLines(path, lines));
    LanguageFile language;
    EXPECT_TRUE(language.load(path));
    return language;
}

// What the picture list needs of the editor: the test language, drive C: on "/".
editor::SessionSettings pictureListState(const QTemporaryDir& dir) {
    editor::SessionSettings state;
    state.language = numberedLanguage(dir);
    state.drives.set(QLatin1Char('C'), QStringLiteral("/"), DriveType::Fixed);
    state.mediaDrive = QStringLiteral("C:");
    state.projectDir = dir.path();
    return state;
}

TEST(DriveScan, TheLastCdMetIsTheCdDriveAndTheScanStopsAtTheFourthDrive) {
    DriveTable drives;
    drives.set(QLatin1Char('C'), QStringLiteral("/"), DriveType::Fixed);
    drives.set(QLatin1Char('D'), QStringLiteral("/media/cd0"), DriveType::Cd);
    drives.set(QLatin1Char('E'), QStringLiteral("/media/cd1"), DriveType::Cd);
    drives.set(QLatin1Char('F'), QStringLiteral("/net"), DriveType::Network);
    drives.set(QLatin1Char('G'), QStringLiteral("/media/cd2"), DriveType::Cd);
    const editor::DriveScan scan = editor::scanDrives(drives);
    EXPECT_EQ(scan.cdDrive, QStringLiteral("E:"));
    EXPECT_EQ(scan.furtherDrives, (QStringList{QStringLiteral("C:"), QStringLiteral("D:"),
                                               QStringLiteral("E:"), QStringLiteral("F:")}));
}

TEST(DriveScan, NoCdMeansNoCdDrive) {
    DriveTable drives;
    drives.set(QLatin1Char('C'), QStringLiteral("/"), DriveType::Fixed);
    const editor::DriveScan scan = editor::scanDrives(drives);
    EXPECT_TRUE(scan.cdDrive.isEmpty());
    EXPECT_EQ(scan.furtherDrives, QStringList{QStringLiteral("C:")});
}

TEST(RecentProjects, PathsMoveToTheHeadOfTheList) {
    NumberedLines settings(QStringList(15, QStringLiteral("$")));
    settings.setLine(6, QStringLiteral("A"));
    settings.setLine(7, QStringLiteral("B"));
    settings.setLine(8, QStringLiteral("C"));
    editor::updateRecentList(settings, QStringLiteral("C"));
    EXPECT_EQ(settings.lines().mid(6, 5), (QStringList{"C", "A", "B", "$", "$"}));
    editor::updateRecentList(settings, QStringLiteral("D"));
    EXPECT_EQ(settings.lines().mid(6, 5), (QStringList{"D", "C", "A", "B", "$"}));
    editor::updateRecentList(settings, QStringLiteral("D"));
    EXPECT_EQ(settings.lines().mid(6, 5), (QStringList{"D", "C", "A", "B", "$"}));
    for (const char* p : {"E", "F"}) {
        editor::updateRecentList(settings, QLatin1String(p));
    }
    EXPECT_EQ(settings.lines().mid(6, 5), (QStringList{"F", "E", "D", "C", "A"}));
    EXPECT_EQ(settings.line(11), QStringLiteral("F"));
}

TEST(PositionStart, GreatestColumnThenRowAtOrBeforeTheCell) {
    QTemporaryDir dir;
    const LanguageFile language = numberedLanguage(dir);
    QList<ElementRecord> records{ElementRecord{}};
    records.append(makeRecord(3, 1));                      // 1
    records.append(makeRecord(8, 1));                      // 2
    records.append(makeRecord(1, 2));                      // 3: sound, never a start
    records.append(makeRecord(6, 2, language.text(122)));  // 4: marker, never a start
    records.append(makeRecord(4, 2));                      // 5
    records.append(makeRecord(9, 2));                      // 6: below the cell in its column
    records.append(makeRecord(4, 3));                      // 7: after the cell
    EXPECT_EQ(editor::positionStartRecord(records, 2, 7, language), 5);
    EXPECT_EQ(editor::positionStartRecord(records, 2, 9, language), 6);
    EXPECT_EQ(editor::positionStartRecord(records, 1, 5, language), 1);
    EXPECT_EQ(editor::positionStartRecord(records, 1, 2, language), -1);
}

TEST(PictureList, ColumnItemsMarkGapsAndCaptionsNameKindsModesAndActions) {
    QTemporaryDir dir;
    const LanguageFile language = numberedLanguage(dir);
    ElementRecord picture = makeRecord(5, 1, QStringLiteral("\\nowhere\\a.jpg"));
    picture.Transparent = language.text(201);
    picture.Effet = language.text(220);
    picture.Acte = language.text(283);
    picture.Destination = QStringLiteral("4");
    picture.Destin2 = QStringLiteral("1");
    ElementRecord zone = makeRecord(50, 3, language.text(168) + QStringLiteral(" 1"));
    ElementRecord longText = makeRecord(61, 4, QStringLiteral("\\doc\\a.txt"));
    const QString jou = ProjectWriter(dir.path()).writePageFile(1, {picture, zone, longText});

    editor::SessionSettings state = pictureListState(dir);
    ScriptedPrompter prompter;
    const auto items = editor::buildPictureList(jou, state, prompter);
    ASSERT_TRUE(items);
    ASSERT_EQ(items->size(), 4);
    EXPECT_EQ(items->at(0).caption, QStringLiteral("T163 - T201 - T283 4 1"));
    EXPECT_EQ(items->at(0).recordIndex, 1);
    EXPECT_EQ(items->at(0).picture.size(), QSize(100, 75));
    EXPECT_TRUE(items->at(1).isColumn);
    EXPECT_EQ(items->at(1).caption, QStringLiteral("T160"));
    EXPECT_EQ(items->at(1).column, 3);
    EXPECT_EQ(items->at(2).caption, QStringLiteral("T168 1"));
    EXPECT_EQ(items->at(3).caption, QStringLiteral("T169: \\doc\\a.txt"));

    EXPECT_FALSE(editor::buildPictureList(dir.filePath(QStringLiteral("9.JOU")), state, prompter));
}

TEST(PictureList, EachPictureShowsThePageComposedUpToItsElement) {
    QTemporaryDir dir;
    editor::SessionSettings state = pictureListState(dir);
    auto plain = [&state](int row, int column, QRect rect, QRgb colour) {
        ElementRecord r = makeRecord(row, column, state.text(120));
        r.Effet = state.text(220);
        r.Transparent = state.text(200);
        r.Couleur = std::int32_t(qRed(colour) | (qGreen(colour) << 8) | (qBlue(colour) << 16));
        r.Gauche = rect.left();
        r.Haut = rect.top();
        r.Largeur = rect.width();
        r.Hauteur = rect.height();
        return r;
    };
    ElementRecord leaving = plain(4, 1, {0, 0, 320, 480}, 0xFF0000FFu);
    leaving.DisparAuto = QStringLiteral("oui");
    const QString jou = ProjectWriter(dir.path())
                            .writePageFile(1, {plain(3, 1, {0, 0, 640, 480}, 0xFFFF0000u), leaving,
                                               makeRecord(1, 2, QStringLiteral("a.wav"))});
    ScriptedPrompter prompter;
    const auto items = editor::buildPictureList(jou, state, prompter);
    ASSERT_TRUE(items);
    ASSERT_EQ(items->size(), 3);
    EXPECT_EQ(items->at(0).picture.pixel(20, 37) | 0xFF000000u, 0xFFFF0000u);
    EXPECT_EQ(items->at(1).picture.pixel(20, 37) | 0xFF000000u, 0xFF0000FFu);
    EXPECT_EQ(items->at(1).picture.pixel(80, 37) | 0xFF000000u, 0xFFFF0000u);
    // The sound of column 2 draws nothing; the picture that left at the column change is gone.
    EXPECT_EQ(items->at(2).picture.pixel(20, 37) | 0xFF000000u, 0xFFFF0000u);

    EXPECT_EQ(editor::pictureListSize({300, 600}), QSize(50, 100));
    EXPECT_TRUE(prompter.texts().isEmpty());
    EXPECT_EQ(editor::pictureListSize({640, 480}), QSize(100, 75));
}

TEST(PictureList, MissingFilesAreNamedWithTheListsPrefixByKind) {
    QTemporaryDir dir;
    editor::SessionSettings state = pictureListState(dir);
    auto missing = [](int row, const QString& file) {
        ElementRecord r = makeRecord(row, 1, file);
        r.Couleur = 2;  // frames of a strip
        r.Largeur = 40;
        r.Hauteur = 30;
        return r;
    };
    const QString jou = ProjectWriter(dir.path())
                            .writePageFile(1, {missing(4, QStringLiteral("\\nulle\\image.jpg")),
                                               missing(24, QStringLiteral("\\nulle\\perso.gif")),
                                               missing(25, QStringLiteral("\\nulle\\pano.jpg")),
                                               missing(26, QStringLiteral("\\nulle\\anim.gif"))});
    ScriptedPrompter prompter;
    ASSERT_TRUE(editor::buildPictureList(jou, state, prompter));
    // Named by the host path a person reads.
    const auto said = [&](const QString& prefix, const QString& file) {
        return prefix + u' ' + state.text(lang::MediaFileWord) + u' ' + file + u' ' +
               state.text(lang::MediaNotFoundSuffix);
    };
    const QStringList texts = prompter.texts();
    EXPECT_TRUE(
        texts.contains(said(QStringLiteral("Listv 10"), QStringLiteral("/nulle/image.jpg"))))
        << texts.join(u'|').toStdString();
    EXPECT_TRUE(
        texts.contains(said(QStringLiteral("Listv 1"), QStringLiteral("/nulle/perso.gif"))));
    EXPECT_TRUE(texts.contains(said(QStringLiteral("Listv 3"), QStringLiteral("/nulle/pano.jpg"))));
    EXPECT_TRUE(texts.contains(said(QStringLiteral("Listv 5"), QStringLiteral("/nulle/anim.gif"))));
}

TEST(PictureList, KeywordListsAndLongTextsSetTheRememberedFont) {
    QTemporaryDir dir;
    editor::SessionSettings state = pictureListState(dir);
    auto control = [&state](int row, int column, const QString& font, int line, int points) {
        ElementRecord r = makeRecord(row, column, QStringLiteral("\\doc\\mots.txt"));
        r.sensdegra = font;
        r.style = state.text(line);
        r.size = points;
        r.Largeur = 120;
        r.Hauteur = 20;
        return r;
    };
    const QString jou =
        ProjectWriter(dir.path())
            .writePageFile(1, {control(60, 1, QStringLiteral("Courier New"), 131, 14),
                               control(61, 2, QStringLiteral("Times New Roman"), 137, 9)});
    ScriptedPrompter prompter;
    ASSERT_TRUE(editor::buildPictureList(jou, state, prompter));
    // The long text, drawn last, leaves its font.
    EXPECT_EQ(state.rememberedFont.name, QStringLiteral("Times New Roman"));
    EXPECT_EQ(state.rememberedFont.points, 9);
    EXPECT_EQ(state.rememberedFont.styleLine, lang::FontStyleItalicUnderline);

    const QString keywordOnly =
        ProjectWriter(dir.path())
            .writePageFile(2, {control(60, 1, QStringLiteral("Courier New"), 131, 14)});
    ASSERT_TRUE(editor::buildPictureList(keywordOnly, state, prompter));
    EXPECT_EQ(state.rememberedFont.name, QStringLiteral("Courier New"));
    EXPECT_EQ(state.rememberedFont.points, 14);
    EXPECT_EQ(state.rememberedFont.styleLine, lang::FontStyleBold);
    const QFont font = state.rememberedFont.font(state.language);
    EXPECT_TRUE(font.bold());
    EXPECT_FALSE(font.italic());
}

}  // namespace
}  // namespace ztv::test
