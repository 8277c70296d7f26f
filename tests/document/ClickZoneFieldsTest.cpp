// What a click zone's dialog values make of its record, with the shipped French vocabulary.
#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "editor/document/ClickZoneFields.h"

#include <gtest/gtest.h>

namespace ztv::test {
namespace {

using editor::ClickZoneFields;

class ClickZoneFieldsTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(french_.load(ZTV_SOURCE_DIR "/assets/lang/FRENCH.asc")); }
    QString line(int n) const { return french_.text(n); }
    ElementRecord stored(const ClickZoneFields& zone, ElementRecord record = {}, int row = 50) {
        zone.store(record, french_, row, QColor(1, 2, 3), QColor(4, 5, 6));
        return record;
    }
    LanguageFile french_;
};

TEST_F(ClickZoneFieldsTest, AZoneIsNamedAfterItsNumberAmongTheZoneRows) {
    const std::pair<int, const char*> rows[] = {{50, " 1"}, {57, " 8"}, {59, " 10"}};
    for (const auto& [row, suffix] : rows) {
        const QString name = line(lang::ClickZone) + QLatin1String(suffix);
        EXPECT_EQ(editor::clickZoneName(french_, row), name) << row;
        EXPECT_EQ(stored(ClickZoneFields::newZone(french_), {}, row).Fichier, name) << row;
    }
}

TEST_F(ClickZoneFieldsTest, ANewZoneActsOnNothingAfterAClickAndReversesNothing) {
    const ElementRecord r = stored(ClickZoneFields::newZone(french_));
    EXPECT_EQ(QRect(r.Gauche, r.Haut, r.Largeur, r.Hauteur), QRect(2, 2, 100, 30));
    EXPECT_EQ(r.Acte, line(lang::ActionNone));
    EXPECT_EQ(r.Click, QStringLiteral("oui"));
    EXPECT_EQ(r.Inverse, QStringLiteral("non"));
    EXPECT_EQ(r.IntegrFond, QStringLiteral("non"));
    EXPECT_EQ(r.DisparAuto, QStringLiteral("non"));
    EXPECT_EQ(r.Couleur, 0x030201);
    EXPECT_EQ(r.Couldegra, 0x060504);
    EXPECT_EQ(r.SurvolAction, 0);
    EXPECT_TRUE(r.Effet.isEmpty());
}

// The check box is written with an action; without one the record keeps its flag, and a record
// that holds none gets "non".
TEST_F(ClickZoneFieldsTest, InverseIsWrittenOnlyWithAnActionAndNeverLeftUnset) {
    struct Case {
        int action;
        const char* before;
        bool checked;
        const char* after;
    };
    const Case cases[] = {
        {lang::ActionNone, "oui", false, "oui"},     {lang::ActionNone, "non", true, "non"},
        {lang::ActionNone, "", true, "non"},         {lang::ActionNone, "garbage", false, "non"},
        {lang::ActionGoToPage, "oui", false, "non"}, {lang::ActionGoToPage, "", true, "oui"}};
    for (const Case& c : cases) {
        ClickZoneFields zone = ClickZoneFields::newZone(french_);
        zone.acte = line(c.action);
        zone.inverse = c.checked;
        ElementRecord before;
        before.Inverse = QLatin1String(c.before);
        EXPECT_EQ(stored(zone, before).Inverse, QLatin1String(c.after))
            << c.action << ' ' << c.before << ' ' << c.checked;
    }
}

TEST_F(ClickZoneFieldsTest, AStoredZoneReadsBackAsItWasMade) {
    ClickZoneFields goTo;
    goTo.rect = QRect(10, 20, 30, 40);
    goTo.acte = line(lang::ActionOpenDocumentWith);
    goTo.destination = QStringLiteral("\\docs\\a.txt");
    goTo.destin2 = QStringLiteral("\\bin\\viewer");
    goTo.inverse = true;
    goTo.afterClick = false;
    goTo.hoverGoTo = true;
    goTo.hoverPage = 3;
    goTo.hoverColumn = 5;
    ClickZoneFields noHover = goTo;
    noHover.hoverGoTo = false;
    for (const ClickZoneFields& zone : {goTo, noHover}) {
        const ElementRecord r = stored(zone);
        const ClickZoneFields back = ClickZoneFields::of(r);
        EXPECT_EQ(back.rect, zone.rect);
        EXPECT_EQ(back.acte, zone.acte);
        EXPECT_EQ(back.destination, zone.destination);
        EXPECT_EQ(back.destin2, zone.destin2);
        EXPECT_EQ(back.inverse, zone.inverse);
        EXPECT_EQ(back.afterClick, zone.afterClick);
        EXPECT_EQ(back.hoverGoTo, zone.hoverGoTo);
        // Without a hover action the record holds 0 and the dialog shows 1.
        EXPECT_EQ(r.SurvolPage, zone.hoverGoTo ? 3 : 0);
        EXPECT_EQ(back.hoverPage, zone.hoverGoTo ? 3 : 1);
        EXPECT_EQ(back.hoverColumn, zone.hoverGoTo ? 5 : 1);
    }
}

}  // namespace
}  // namespace ztv::test
