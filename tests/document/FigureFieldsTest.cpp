// The values of the character, animation and panorama dialogs as records: what each refuses,
// what it stores, and that a record reads back as the values that made it.
#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "editor/document/AnimationFields.h"
#include "editor/document/CharacterFields.h"
#include "editor/document/PanoramaFields.h"

#include <gtest/gtest.h>

namespace ztv::test {
namespace {

using editor::FieldProblem;

class FigureFields : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(lang_.load(QStringLiteral(ZTV_SOURCE_DIR "/assets/lang/FRENCH.asc")));
    }
    QString text(int line) const { return lang_.text(line); }
    editor::CharacterFields character(int frames, QSize strip) const {
        editor::CharacterFields f;
        f.fichier = QStringLiteral("\\images\\face.bmp");
        f.appearance = text(lang::AppearanceWhiteClear);
        f.action = text(lang::ActionNone);
        f.frames = frames;
        f.rect = QRect(10, 20, editor::frameWidthOf(strip.width(), frames), strip.height());
        f.sound = QStringLiteral("\\sons\\voix.wav");
        return f;
    }
    LanguageFile lang_;
};

TEST_F(FigureFields, AStripIsCutIntoFramesThatFillIt) {
    struct Case {
        int stripWidth, frames, frameWidth;
        FieldProblem problem;
    } cases[] = {
        {400, 4, 100, FieldProblem::None},
        {400, 3, 133, FieldProblem::FramesDoNotFillStrip},  // 133 x 3 is 399
        {400, 1, 400, FieldProblem::None},
        {0, 4, 0, FieldProblem::FramesDoNotFillStrip},  // no picture loaded
        {3, 4, 0, FieldProblem::FramesDoNotFillStrip},  // frames of no width
    };
    for (const Case& c : cases) {
        EXPECT_EQ(editor::frameWidthOf(c.stripWidth, c.frames), c.frameWidth) << c.stripWidth;
        const auto f = character(c.frames, QSize(c.stripWidth, 100));
        EXPECT_EQ(editor::characterProblem(f, c.stripWidth), c.problem)
            << c.stripWidth << " / " << c.frames;
    }
    EXPECT_EQ(editor::problemMessage(FieldProblem::FramesDoNotFillStrip), 85);
}

TEST_F(FigureFields, ACharacterThatSpeaksNeedsItsSoundButItsDisappearanceDoesNot) {
    auto f = character(4, QSize(400, 100));
    f.sound.clear();
    EXPECT_EQ(editor::characterProblem(f, 400), FieldProblem::NoSound);
    EXPECT_EQ(editor::problemMessage(FieldProblem::NoSound), 87);
    f.speaks = false;
    EXPECT_EQ(editor::characterProblem(f, 400), FieldProblem::None);
    f.speaks = true;
    f.disappear = true;
    f.fichier.clear();
    EXPECT_EQ(editor::characterProblem(f, 0), FieldProblem::None);
    f.disappear = false;
    EXPECT_EQ(editor::characterProblem(f, 400), FieldProblem::NoPicture);
}

TEST_F(FigureFields, AnAnimationNeedsAWholeNumberArrival) {
    editor::AnimationFields f;
    static_cast<editor::SpriteFields&>(f) = character(4, QSize(400, 100));
    struct Case {
        const char* left;
        const char* top;
        FieldProblem problem;
    } cases[] = {
        {"300", "", FieldProblem::NoArrival},
        {"", "50", FieldProblem::NoArrival},
        {"300", "5x", FieldProblem::ArrivalNotANumber},
        {"-20", " 50", FieldProblem::None},
    };
    for (const Case& c : cases) {
        f.arrivalLeft = QString::fromLatin1(c.left);
        f.arrivalTop = QString::fromLatin1(c.top);
        EXPECT_EQ(editor::animationProblem(f, 400), c.problem) << c.left << "," << c.top;
    }
    EXPECT_EQ(editor::problemMessage(FieldProblem::NoArrival), 84);
    ElementRecord r;
    editor::writeAnimationFields(f, lang_, r);
    EXPECT_EQ(r.sensdegra, QStringLiteral("-20"));
    EXPECT_EQ(r.style, QStringLiteral("50"));
    EXPECT_EQ(editor::arrivalRect(r), QRect(-20, 50, 100, 100));
}

TEST_F(FigureFields, APanoramaDisappearanceStoresNoPictureSize) {
    editor::PanoramaFields f;
    f.fichier = QStringLiteral("\\images\\vue.jpg");
    f.pictureSize = QSize(1000, 400);
    f.view = QRect(20, 20, 300, 300);
    f.effect = text(lang::EffectNone);
    ElementRecord r;
    r.Acte = QStringLiteral("left over");
    editor::writePanoramaFields(f, lang_, r);
    EXPECT_EQ(r.style, QStringLiteral("1000"));
    EXPECT_EQ(r.Destin2, QStringLiteral("400"));
    EXPECT_EQ(r.Acte, text(lang::ActionNone));
    EXPECT_EQ(r.Transparent, text(lang::AppearanceOpaque));
    EXPECT_EQ(r.Click, QStringLiteral("non"));
    f.disappear = true;
    editor::writePanoramaFields(f, lang_, r);
    EXPECT_EQ(r.Fichier, text(lang::MarkerDisappear));
    EXPECT_TRUE(r.style.isEmpty());
    EXPECT_TRUE(r.Destin2.isEmpty());
    EXPECT_EQ(editor::panoramaProblem(f), FieldProblem::None);
    // A picture of unknown size, or a window of no size, is nothing the player can show.
    f.disappear = false;
    f.pictureSize = QSize();
    EXPECT_EQ(editor::panoramaProblem(f), FieldProblem::NoPicture);
    f.pictureSize = QSize(1000, 400);
    f.view.setHeight(0);
    EXPECT_EQ(editor::panoramaProblem(f), FieldProblem::NoViewSize);
}

TEST_F(FigureFields, EachKindReadsBackWhatItStored) {
    auto c = character(4, QSize(400, 100));
    c.speaks = false;
    c.loops = 3;
    c.endPose = 2;
    c.action = text(lang::ActionGoToPage);
    c.destination = QStringLiteral("3");
    c.reverse = true;
    c.joinBackground = true;
    ElementRecord r;
    editor::writeCharacterFields(c, lang_, r);
    EXPECT_EQ(r.Effet, text(lang::EffectNone));
    EXPECT_EQ(r.style, text(lang::CharacterSilent));
    const auto c2 = editor::characterFieldsOf(r, lang_);
    EXPECT_EQ(c2.fichier, c.fichier);
    EXPECT_EQ(c2.rect, c.rect);
    EXPECT_EQ(c2.loops, 3);
    EXPECT_FALSE(c2.speaks);
    EXPECT_EQ(c2.sound, c.sound);
    EXPECT_TRUE(c2.reverse);
    EXPECT_TRUE(c2.joinBackground);
    EXPECT_EQ(c2.endPose, 2);

    editor::AnimationFields a;
    static_cast<editor::SpriteFields&>(a) = c;
    a.disappear = true;
    a.steps = 40;
    ElementRecord ar;
    editor::writeAnimationFields(a, lang_, ar);
    const auto a2 = editor::animationFieldsOf(ar, lang_);
    EXPECT_TRUE(a2.disappear);
    EXPECT_EQ(a2.steps, 40);

    editor::PanoramaFields p;
    p.fichier = QStringLiteral("\\vue.bmp");
    p.pictureSize = QSize(900, 300);
    p.view = QRect(1, 2, 300, 200);
    p.effect = text(lang::EffectsFirst + 19);
    p.transitionOption = 4;
    p.stepX = 50;
    p.wrapAround = true;
    ElementRecord pr;
    editor::writePanoramaFields(p, lang_, pr);
    const auto p2 = editor::panoramaFieldsOf(pr, lang_);
    EXPECT_EQ(p2.pictureSize, p.pictureSize);
    EXPECT_EQ(p2.view, p.view);
    EXPECT_EQ(p2.effect, p.effect);
    EXPECT_EQ(p2.transitionOption, 4);
    EXPECT_EQ(p2.stepX, 50);
    EXPECT_TRUE(p2.wrapAround);
}

// The nearest earlier animation of the row that is itself no disappearance gives its arrival.
TEST_F(FigureFields, AnAnimationDisappearanceProposesWhereThePreviousOneArrived) {
    auto animation = [](int column, const QString& fichier, int x, int y) {
        ElementRecord r;
        r.Ligne = 26;
        r.Colonne = column;
        r.Fichier = fichier;
        r.Largeur = 64;
        r.Hauteur = 48;
        r.sensdegra = QString::number(x);
        r.style = QString::number(y);
        return r;
    };
    const QString bird = QStringLiteral("\\oiseau.bmp");
    const QList<ElementRecord> records{
        ElementRecord{}, animation(1, bird, 500, 300), animation(2, bird, 10, 20),
        animation(3, text(lang::MarkerDisappear), 0, 0), animation(6, bird, 1, 1)};
    EXPECT_EQ(editor::proposedAnimationDisappearance(records, 26, 5, lang_), QRect(10, 20, 64, 48));
    EXPECT_EQ(editor::proposedAnimationDisappearance(records, 26, 2, lang_),
              QRect(500, 300, 64, 48));
    EXPECT_EQ(editor::proposedAnimationDisappearance(records, 26, 1, lang_), QRect(2, 2, 100, 100));
    EXPECT_EQ(editor::proposedAnimationDisappearance(records, 27, 5, lang_), QRect(2, 2, 100, 100));
}

}  // namespace
}  // namespace ztv::test
