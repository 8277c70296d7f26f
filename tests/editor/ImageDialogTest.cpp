// The image and background dialog on a page of a new project: what OK and the preview write
// put into the page files, the rectangles it proposes, and what it refuses.
#include "common/platform/FileIo.h"
#include "editor/dialogs/ImageDialog.h"
#include "editor/document/UndoSnapshot.h"
#include "tests/editor/ElementDialogFixture.h"
#include "tests/support/PictureMakers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QtEndian>

#include <sys/resource.h>
#include <csignal>

namespace ztv::test {
namespace {

using editor::ImageDialog;

class ImageDialogTest : public ElementDialogFixture {
  protected:
    std::unique_ptr<ImageDialog> open(int column, int row) {
        return openDialog<ImageDialog>(column, row);
    }
    static void choosePicture(ImageDialog& d, ScriptedPrompter& prompter, const QString& host) {
        prompter.choosePath(host);
        d.choosePicture();
    }
};

TEST_F(ImageDialogTest, NewPictureIsAppendedAfterTheLastRecordAndCentred) {
    ElementRecord deleted;  // a deleted cell: row 0, no file
    setAct({makeRecord(4, 1, QStringLiteral("\\a.bmp")), deleted});
    const QString host = picture(QStringLiteral("cat.bmp"), {200, 100});
    auto dialog = open(2, 5);
    choosePicture(*dialog, prompter_, host);
    EXPECT_EQ(control(*dialog, "Edit2")->text(), QStringLiteral("220"));
    EXPECT_EQ(control(*dialog, "Edit3")->text(), QStringLiteral("190"));
    EXPECT_EQ(control(*dialog, "Edit4")->text(), QStringLiteral("200"));
    dialog->writeAndClose();
    EXPECT_EQ(dialog->result(), 6);
    const auto records = act();
    ASSERT_EQ(records.size(), 3);
    const ElementRecord& r = records[2];
    EXPECT_EQ(r.Ligne, 5);
    EXPECT_EQ(r.Colonne, 2);
    EXPECT_EQ(r.Fichier, state().drives.toWindows(host).mid(2));
    EXPECT_EQ(QRect(r.Gauche, r.Haut, r.Largeur, r.Hauteur), QRect(220, 190, 200, 100));
    EXPECT_EQ(r.Effet, QStringLiteral("T220"));
    EXPECT_EQ(r.Transparent, QStringLiteral("T200"));
    EXPECT_EQ(r.Vitesse, 100);
    EXPECT_EQ(r.Click, QStringLiteral("oui"));
    EXPECT_EQ(r.EffetPas, 6);
    EXPECT_EQ(r.EffetFin, 100);
    EXPECT_EQ(r.SurvolRetablir, 1);
    // The action is line 280: Inverse is not written.
    EXPECT_TRUE(r.Inverse.isEmpty());
    EXPECT_TRUE(r.sensdegra.isEmpty());
    ASSERT_TRUE(dialog->edit());
    EXPECT_EQ(dialog->edit()->cellText, QStringLiteral("cat.bmp"));
    EXPECT_EQ(dialog->edit()->record.Fichier, r.Fichier);
    EXPECT_EQ(dialog->edit()->record.Colonne, 2);
    // The undo snapshot is the page before the change.
    EXPECT_EQ(readPageRecords(editor::undoSnapshotPath(workingDir())).size(), 2);
}

TEST_F(ImageDialogTest, ExistingElementIsLoadedAndRewrittenInPlace) {
    ElementRecord old = makeRecord(6, 3, QStringLiteral("T121"));
    old.Gauche = 5;
    old.Haut = 6;
    old.Largeur = 70;
    old.Hauteur = 80;
    old.Acte = QStringLiteral("T283");
    old.Destination = QStringLiteral("2");
    old.Destin2 = QStringLiteral("4");
    old.Inverse = QStringLiteral("oui");
    old.Couleur = 0x0000FF;
    old.Couldegra = 0x00FF00;
    old.sensdegra = QStringLiteral("T181");
    old.Attente = 2.5;
    setAct({makeRecord(4, 1), old, makeRecord(4, 2)});
    auto dialog = open(3, 6);
    EXPECT_EQ(dialog->imageType(), ImageDialog::ImageType::Gradient);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("T430"));
    EXPECT_EQ(control(*dialog, "Edit4")->text(), QStringLiteral("70"));
    EXPECT_FALSE(control(*dialog, "Editd")->isHidden());
    EXPECT_TRUE(control<QCheckBox>(*dialog, "CheckBox3")->isChecked());
    control(*dialog, "Edit2")->setText(QStringLiteral("9"));
    dialog->writeAndClose();
    ASSERT_EQ(dialog->result(), 6);
    const auto records = act();
    ASSERT_EQ(records.size(), 3);
    EXPECT_EQ(records[1].Gauche, 9);
    EXPECT_EQ(records[1].Fichier, QStringLiteral("T121"));
    EXPECT_EQ(records[1].sensdegra, QStringLiteral("T181"));
    EXPECT_EQ(records[1].Couleur, 0x0000FF);
    EXPECT_EQ(records[1].Couldegra, 0x00FF00);
    EXPECT_EQ(records[1].Destin2, QStringLiteral("4"));
    EXPECT_EQ(records[1].Attente, 2.5);
    EXPECT_EQ(dialog->edit()->cellText, QStringLiteral("T121"));
}

TEST_F(ImageDialogTest, PreviewWriteThenCancelLeavesTheActFileAlone) {
    setAct({makeRecord(4, 1)});
    const QByteArray before = readBytes(actPath());
    auto dialog = open(2, 7);
    dialog->selectImageType(ImageDialog::ImageType::Plain);
    control(*dialog, "Edit4")->setText(QStringLiteral("50"));
    ASSERT_TRUE(dialog->writePreview());
    dialog->reject();
    EXPECT_EQ(readBytes(actPath()), before);
    const auto jou = readPageRecords(window().storyboard().jouPath());
    ASSERT_GE(dialog->previewedJouIndex(), 1);
    const ElementRecord& previewed = jou[dialog->previewedJouIndex() - 1];
    EXPECT_EQ(previewed.Ligne, 7);
    EXPECT_EQ(previewed.Fichier, QStringLiteral("T120"));
    // The new cell shows only after OK.
    EXPECT_TRUE(window().storyboard().cellText(2, 7).isEmpty());
}

TEST_F(ImageDialogTest, WaitTypedWithAPointIsStoredUnderACommaLocale) {
    const QLocale old;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    auto dialog = open(1, 4);
    dialog->selectImageType(ImageDialog::ImageType::Plain);
    control(*dialog, "Edit7")->setText(QStringLiteral("1.5"));
    dialog->writeAndClose();
    QLocale::setDefault(old);
    ASSERT_EQ(dialog->result(), 6);
    EXPECT_EQ(act().last().Attente, 1.5);
    EXPECT_EQ(control(*dialog, "Edit7")->text(), QStringLiteral("1,5"));
}

TEST_F(ImageDialogTest, NonNumericValuesWriteNothingAndTakeNoSnapshot) {
    setAct({makeRecord(4, 1)});
    QFile::remove(editor::undoSnapshotPath(workingDir()));
    const QByteArray before = readBytes(actPath());
    auto dialog = open(2, 4);
    dialog->selectImageType(ImageDialog::ImageType::Plain);
    for (const char* name : {"Edit3", "Edit7"}) {
        control(*dialog, name)->setText(QStringLiteral("abc"));
        dialog->writeAndClose();
        EXPECT_NE(dialog->result(), 6);
        EXPECT_FALSE(dialog->edit());
        control(*dialog, name)->setText(QStringLiteral("1"));
    }
    EXPECT_EQ(prompter_.texts(), (QStringList{QStringLiteral("T841"), QStringLiteral("T842")}));
    EXPECT_EQ(readBytes(actPath()), before);
    EXPECT_FALSE(QFileInfo::exists(editor::undoSnapshotPath(workingDir())));
    // No picture chosen, or no size: messages 0 and 1.
    prompter_ = ScriptedPrompter();
    dialog->selectImageType(ImageDialog::ImageType::Picture);  // the chooser is cancelled
    dialog->writeAndClose();
    control(*dialog, "Edit5")->setText(QStringLiteral("0"));
    dialog->selectImageType(ImageDialog::ImageType::Plain);
    dialog->writeAndClose();
    // The chooser (its caption, line 641) is cancelled.
    EXPECT_EQ(prompter_.texts(),
              (QStringList{QStringLiteral("T641"), QStringLiteral("T0"), QStringLiteral("T1")}));
    EXPECT_EQ(readBytes(actPath()), before);
}

TEST_F(ImageDialogTest, WriteFailureKeepsTheDialogOpenWithWhatWasTyped) {
    setAct({makeRecord(4, 1)});
    const QByteArray before = readBytes(actPath());
    auto dialog = open(2, 4);
    dialog->selectImageType(ImageDialog::ImageType::Plain);
    control(*dialog, "Edit2")->setText(QStringLiteral("33"));
    // The folder refuses new files, even to root (the page file is rewritten through one).
    const auto immutable = [this](bool on) {
        return QProcess::execute(QStringLiteral("chattr"),
                                 {on ? QStringLiteral("+i") : QStringLiteral("-i"), workingDir()});
    };
    if (immutable(true) != 0) {
        GTEST_SKIP() << "chattr cannot make the working folder immutable here";
    }
    dialog->writeAndClose();
    immutable(false);
    EXPECT_NE(dialog->result(), 6);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(control(*dialog, "Edit2")->text(), QStringLiteral("33"));
    ASSERT_FALSE(prompter_.texts().isEmpty());
    EXPECT_TRUE(prompter_.texts().last().startsWith(QStringLiteral("T846")));
    EXPECT_EQ(readBytes(actPath()), before);
    // Once the disk takes it again, the same OK writes.
    dialog->writeAndClose();
    EXPECT_EQ(dialog->result(), 6);
    EXPECT_EQ(act().last().Gauche, 33);
}

TEST_F(ImageDialogTest, DisappearanceProposesTheRectangleOfTheRowsEarlierElement) {
    ElementRecord earlier = makeRecord(8, 2);
    earlier.Gauche = 10;
    earlier.Haut = 20;
    earlier.Largeur = 300;
    earlier.Hauteur = 200;
    ElementRecord later = makeRecord(9, 7);
    later.Largeur = 50;
    later.Hauteur = 50;
    setAct({earlier, later});
    auto dialog = open(5, 8);
    dialog->selectImageType(ImageDialog::ImageType::Disappear);
    EXPECT_EQ(control(*dialog, "Edit2")->text(), QStringLiteral("10"));
    EXPECT_EQ(control(*dialog, "Edit3")->text(), QStringLiteral("20"));
    EXPECT_EQ(control(*dialog, "Edit4")->text(), QStringLiteral("300"));
    EXPECT_EQ(control(*dialog, "Edit5")->text(), QStringLiteral("200"));
    dialog->writeAndClose();
    EXPECT_EQ(act().last().Fichier, QStringLiteral("T122"));
    EXPECT_EQ(dialog->edit()->cellText, QStringLiteral("T122"));

    // Only later elements in the row: 2, 2, 100, 100.
    auto second = open(3, 9);
    second->selectImageType(ImageDialog::ImageType::Disappear);
    EXPECT_EQ(control(*second, "Edit2")->text(), QStringLiteral("2"));
    EXPECT_EQ(control(*second, "Edit4")->text(), QStringLiteral("100"));
    // No element in the row at all: the fields keep their values.
    auto third = open(3, 10);
    control(*third, "Edit4")->setText(QStringLiteral("77"));
    third->selectImageType(ImageDialog::ImageType::Disappear);
    EXPECT_EQ(control(*third, "Edit4")->text(), QStringLiteral("77"));
}

TEST_F(ImageDialogTest, BackgroundAlwaysCoversTheScreen) {
    auto dialog = open(1, 3);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("T462"));
    EXPECT_FALSE(control(*dialog, "Edit2")->isVisibleTo(dialog.get()));
    EXPECT_FALSE(control(*dialog, "Edit4")->isEnabled());
    EXPECT_FALSE(control<QCheckBox>(*dialog, "CheckBox4")->isEnabled());
    EXPECT_EQ(control<QRadioButton>(*dialog, "RadioButton4")->text(), QStringLiteral("T109"));
    control(*dialog, "Edit4")->setText(QStringLiteral("12"));
    dialog->selectImageType(ImageDialog::ImageType::Gradient);
    dialog->writeAndClose();
    ASSERT_EQ(dialog->result(), 6);
    const ElementRecord r = act().last();
    EXPECT_EQ(QRect(r.Gauche, r.Haut, r.Largeur, r.Hauteur), QRect(0, 0, 640, 480));
    EXPECT_EQ(r.sensdegra, QStringLiteral("T180"));
    auto disappear = open(2, 3);
    disappear->selectImageType(ImageDialog::ImageType::Disappear);
    disappear->writeAndClose();
    EXPECT_EQ(act().last().Fichier, QStringLiteral("T123"));
}

TEST_F(ImageDialogTest, LargePictureOffersAReducedCopyPlacedOnThePage) {
    state().projectWidth = 800;
    state().projectHeight = 600;
    const QString host = picture(QStringLiteral("wide.jpg"), {2000, 1000});
    auto dialog = open(1, 4);
    prompter_.answer(Prompter::Yes);
    choosePicture(*dialog, prompter_, host);
    const QString copy = media() + QStringLiteral("/wide-1.jpg");
    EXPECT_EQ(QImage(copy).size(), QSize(800, 400));
    EXPECT_EQ(prompter_.texts().last(), QStringLiteral("T126 ") + copy);
    EXPECT_TRUE(prompter_.asked().last().information);
    EXPECT_EQ(control(*dialog, "Edit1")->text(), copy);
    EXPECT_EQ(control(*dialog, "Edit2")->text(), QStringLiteral("0"));
    EXPECT_EQ(control(*dialog, "Edit3")->text(), QStringLiteral("100"));
    EXPECT_EQ(control(*dialog, "Edit4")->text(), QStringLiteral("800"));
    // Asked again, the next copy takes the next number.
    prompter_.answer(Prompter::Yes);
    choosePicture(*dialog, prompter_, host);
    EXPECT_TRUE(QFileInfo::exists(media() + QStringLiteral("/wide-2.jpg")));
    // Answered no, the picture stays as it is.
    prompter_.answer(Prompter::No);
    choosePicture(*dialog, prompter_, host);
    EXPECT_EQ(control(*dialog, "Edit4")->text(), QStringLiteral("2000"));
}

// A person reads and types host paths; the record keeps its stored form. A moved project
// shows, and loads, the picture found beneath its folder.
TEST_F(ImageDialogTest, FieldsShowHostPathsAndAMovedProjectsPictureLoads) {
    const QString sun = picture(QStringLiteral("sun.bmp"), {40, 30});
    const QString moon = picture(QStringLiteral("moon.bmp"), {40, 30}, Qt::blue);
    state().projectDir = media();
    ElementRecord moved = makeRecord(4, 1, QStringLiteral("\\old\\place\\sun.bmp"));
    moved.Largeur = 40;
    moved.Hauteur = 30;
    moved.SurvolFichier = state().drives.toWindows(moon).mid(2);
    moved.Acte = QStringLiteral("T284");
    moved.Destination = QStringLiteral("\\docs\\guide.pdf");
    setAct({moved});
    auto dialog = open(1, 4);
    EXPECT_TRUE(prompter_.texts().isEmpty()) << prompter_.texts().join('|').toStdString();
    EXPECT_EQ(control(*dialog, "Edit1")->text(), sun);
    EXPECT_EQ(control(*dialog, "EditSurvol")->text(), moon);
    EXPECT_EQ(control(*dialog, "Edit6")->text(), QStringLiteral("/docs/guide.pdf"));
    EXPECT_EQ(dialog->preview().image.pixel(5, 5) & 0xFFFFFF, 0xFF0000u);
    // Confirmed as shown, the record keeps the paths it had.
    dialog->writeAndClose();
    EXPECT_EQ(dialog->result(), 6) << prompter_.texts().join('|').toStdString();
    EXPECT_EQ(act()[0].Fichier, moved.Fichier);
    EXPECT_EQ(act()[0].Destination, moved.Destination);
    // Typed, a host path is stored in the records' form.
    auto typed = open(1, 4);
    control(*typed, "Edit1")->setText(moon);
    control(*typed, "Edit6")->setText(QStringLiteral("/docs/other.pdf"));
    typed->writeAndClose();
    EXPECT_EQ(typed->result(), 6);
    EXPECT_EQ(act()[0].Fichier, moved.SurvolFichier);
    EXPECT_EQ(act()[0].Destination, QStringLiteral("\\docs\\other.pdf"));
}

TEST_F(ImageDialogTest, ATypedPathLoadsOnEnterOrOkAsAChosenOne) {
    const QString host = picture(QStringLiteral("typed.bmp"), {200, 100});
    for (const bool enter : {true, false}) {
        auto dialog = open(enter ? 1 : 2, 4);
        QTest::keyClicks(control(*dialog, "Edit1"), host);
        if (enter) {
            QTest::keyClick(control(*dialog, "Edit1"), Qt::Key_Return);
            EXPECT_NE(dialog->result(), 6) << "Enter loads, it does not close";
            EXPECT_EQ(control(*dialog, "Edit4")->text(), QStringLiteral("200"));
        }
        dialog->writeAndClose();
        ASSERT_EQ(dialog->result(), 6) << prompter_.texts().join(u'|').toStdString();
        const ElementRecord r = act().last();
        EXPECT_EQ(r.Fichier, state().drives.toWindows(host).mid(2));
        EXPECT_EQ(QRect(r.Gauche, r.Haut, r.Largeur, r.Hauteur), QRect(220, 190, 200, 100));
    }
}

TEST_F(ImageDialogTest, APictureThatCannotBeLoadedLeavesTheRectangleAsItWas) {
    QByteArray huge = makeBmp(QImage(4, 4, QImage::Format_RGB32));
    qToLittleEndian<qint32>(20000, huge.data() + 18);  // width and height of the header
    qToLittleEndian<qint32>(20000, huge.data() + 22);
    const QString hugeHost = media() + QStringLiteral("/huge.bmp");
    ASSERT_TRUE(writeFileAtomically(hugeHost, huge));
    const QString missing = media() + QStringLiteral("/missing.bmp");
    for (const QString& host : {hugeHost, missing}) {
        auto dialog = open(1, 4);
        const QString width = control(*dialog, "Edit4")->text();
        const QString height = control(*dialog, "Edit5")->text();
        const qsizetype before = prompter_.texts().size();
        if (host == missing) {
            QTest::keyClicks(control(*dialog, "Edit1"), host);
            QTest::keyClick(control(*dialog, "Edit1"), Qt::Key_Return);
        } else {
            choosePicture(*dialog, prompter_, host);
        }
        EXPECT_GT(prompter_.texts().size(), before) << host.toStdString();
        EXPECT_EQ(control(*dialog, "Edit4")->text(), width) << host.toStdString();
        EXPECT_EQ(control(*dialog, "Edit5")->text(), height) << host.toStdString();
    }
}

TEST_F(ImageDialogTest, PathsThatRecordsCannotHoldAreRefused) {
    auto dialog = open(1, 4);
    const QString greek = picture(QStringLiteral("αβ.bmp"), {10, 10});
    choosePicture(*dialog, prompter_, greek);
    EXPECT_TRUE(control(*dialog, "Edit1")->text().isEmpty());
    EXPECT_EQ(prompter_.texts().last(), QStringLiteral("T916 α (U+03B1)\n") + greek);
    QString deep = media();
    while (deep.size() < 300) {
        deep += QStringLiteral("/dossier");
    }
    QDir().mkpath(deep);
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(writeFileAtomically(deep + QStringLiteral("/p.bmp"), makeBmp(image)));
    choosePicture(*dialog, prompter_, deep + QStringLiteral("/p.bmp"));
    EXPECT_TRUE(control(*dialog, "Edit1")->text().isEmpty());
    EXPECT_TRUE(prompter_.texts().last().startsWith(QStringLiteral("T844")));
}

TEST_F(ImageDialogTest, TransitionOptionAndActionParametersFollowTheChoices) {
    auto dialog = open(1, 4);
    auto* effect = control<QComboBox>(*dialog, "ComboBox3");
    effect->setCurrentIndex(effect->findText(QStringLiteral("T262")));
    EXPECT_TRUE(control(*dialog, "Edit8")->isVisibleTo(dialog.get()));
    EXPECT_EQ(control(*dialog, "Edit8")->text(), QStringLiteral("2"));
    EXPECT_FALSE(control<QCheckBox>(*dialog, "CheckBox1")->isVisibleTo(dialog.get()));
    effect->setCurrentIndex(effect->findText(QStringLiteral("T229")));
    EXPECT_TRUE(control<QCheckBox>(*dialog, "CheckBox1")->isVisibleTo(dialog.get()));
    control<QCheckBox>(*dialog, "CheckBox1")->setChecked(true);
    auto* action = control<QComboBox>(*dialog, "ComboBox2");
    action->setCurrentIndex(action->findText(QStringLiteral("T285")));
    EXPECT_FALSE(control(*dialog, "Editd")->isHidden());
    EXPECT_FALSE(control<QPushButton>(*dialog, "BParcourir2")->isHidden());
    action->setCurrentIndex(action->findText(QStringLiteral("T287")));
    EXPECT_TRUE(control(*dialog, "Edit6")->isHidden());
    control<QCheckBox>(*dialog, "CheckBox3")->setChecked(true);
    dialog->selectImageType(ImageDialog::ImageType::Plain);
    dialog->writeAndClose();
    const ElementRecord r = act().last();
    EXPECT_EQ(r.size, 1);
    EXPECT_EQ(r.Acte, QStringLiteral("T287"));
    EXPECT_EQ(r.Inverse, QStringLiteral("oui"));
    EXPECT_TRUE(r.style.isEmpty());
}

}  // namespace
}  // namespace ztv::test

namespace ztv::test {
namespace {

TEST_F(ImageDialogTest, HelpOpensTheKindsPageOrSaysItIsNotInstalled) {
    auto picture = open(1, 4);
    EXPECT_TRUE(picture->helpPath().endsWith(QStringLiteral("/aide/zentrovale/image.html")));
    QTest::keyClick(picture.get(), Qt::Key_F1);
    // The message names the page that is not installed.
    EXPECT_EQ(prompter_.texts().last(), QStringLiteral("T861 ") + picture->helpPath());
    EXPECT_FALSE(control<QPushButton>(*picture, "BitBtn4")->isEnabled());
    state().languageName = QStringLiteral("ENGLISH");
    auto background = open(1, 3);
    EXPECT_TRUE(
        background->helpPath().endsWith(QStringLiteral("/help/zentrovale/background.html")));
}

}  // namespace
}  // namespace ztv::test

namespace ztv::test {
namespace {

TEST_F(ImageDialogTest, PreviewWriteFailureIsReportedAndChangesNothing) {
    setAct({makeRecord(4, 1)});
    const QByteArray before = readBytes(actPath());
    // A folder where the .JOU file should go cannot be replaced by a file.
    const QString jou = window().storyboard().jouPath();
    QFile::remove(jou);
    ASSERT_TRUE(QDir().mkdir(jou));
    auto dialog = open(2, 4);
    dialog->selectImageType(ImageDialog::ImageType::Plain);
    EXPECT_FALSE(dialog->writePreview());
    EXPECT_TRUE(prompter_.texts().last().startsWith(QStringLiteral("T847")));
    EXPECT_TRUE(QFileInfo(jou).isDir());
    EXPECT_EQ(readBytes(actPath()), before);
    EXPECT_TRUE(window().storyboard().cellText(2, 4).isEmpty());
}

}  // namespace
}  // namespace ztv::test

namespace ztv::test {
namespace {

TEST_F(ImageDialogTest, SwatchesChooseTheTypeAndToolsGetThePicture) {
    const QString host = picture(QStringLiteral("chat.bmp"), {20, 10});
    auto dialog = open(1, 4);
    dialog->chooseColour = [](const QColor&) { return std::optional<QColor>(QColor(1, 2, 3)); };
    dialog->chooseSwatchColour(0);
    EXPECT_EQ(dialog->imageType(), ImageDialog::ImageType::Plain);
    EXPECT_EQ(dialog->preview().image.pixel(5, 5) & 0xFFFFFF, 0x010203u);
    dialog->chooseColour = [](const QColor&) { return std::optional<QColor>(QColor(4, 5, 6)); };
    dialog->chooseSwatchColour(2);
    EXPECT_EQ(dialog->imageType(), ImageDialog::ImageType::Gradient);
    const auto& colours = dialog->rememberedColours();
    EXPECT_EQ(colours[2], QColor(4, 5, 6));
    dialog->writeAndClose();
    EXPECT_EQ(act().last().Couleur,
              colours[1].red() | (colours[1].green() << 8) | (colours[1].blue() << 16));
    EXPECT_EQ(act().last().Couldegra, 0x060504);

    // "Dessiner" starts the configured drawing program on the chosen picture.
    auto second = open(2, 4);
    choosePicture(*second, prompter_, host);
    QStringList started;
    second->startProgram = [&started](const QString& program, const QStringList& arguments) {
        started << program << arguments;
        return true;
    };
    state().settings.setLine(editor::PictureEditorLine, QStringLiteral("/usr/bin/dessin"));
    second->startPictureEditor();
    EXPECT_EQ(started, (QStringList{QStringLiteral("/usr/bin/dessin"), host}));
}

}  // namespace
}  // namespace ztv::test
