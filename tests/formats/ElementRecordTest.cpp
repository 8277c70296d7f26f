#include "common/formats/ElementRecord.h"
#include "common/platform/Bytes.h"

#include <gtest/gtest.h>

#include <cstring>

namespace ztv {
namespace {

// A record whose every field holds a value of its own, so a misplaced offset shows.
ElementRecord distinctRecord() {
    ElementRecord r;
    int n = 1;
    forEachField(r, [&](const FieldLayout& field, auto& value) {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, QString>) {
            value = QString::fromLatin1(field.name).left(field.capacity);
        } else if constexpr (std::is_same_v<T, double>) {
            value = 2.5;
        } else {
            value = 1000 + n++;
        }
    });
    return r;
}

int int32At(const QByteArray& b, int at) {
    return bytes::getInt32(b, at);
}

QString stringAt(const QByteArray& b, int at, int capacity) {
    return bytes::getString(b, at, capacity);
}

TEST(ElementRecord, PageLayoutPutsEveryFieldAtItsOffset) {
    const ElementRecord r = distinctRecord();
    const QByteArray b = encodePageRecord(r);
    ASSERT_EQ(b.size(), 1232);
    EXPECT_EQ(int32At(b, 0), r.Ligne);
    EXPECT_EQ(int32At(b, 4), r.Colonne);
    EXPECT_EQ(stringAt(b, 8, 100), "Effet");
    EXPECT_EQ(stringAt(b, 109, 249), "Fichier");
    EXPECT_EQ(stringAt(b, 359, 30), "Transparent");
    EXPECT_EQ(int32At(b, 392), r.Gauche);
    EXPECT_EQ(int32At(b, 396), r.Haut);
    EXPECT_EQ(int32At(b, 400), r.Largeur);
    EXPECT_EQ(int32At(b, 404), r.Hauteur);
    EXPECT_EQ(stringAt(b, 408, 100), "Acte");
    EXPECT_EQ(stringAt(b, 509, 100), "Destination");
    EXPECT_EQ(stringAt(b, 610, 100), "Destin2");
    EXPECT_EQ(int32At(b, 712), r.Vitesse);
    EXPECT_EQ(int32At(b, 716), 0) << "the padding before Attente stays zero";
    double attente = 0;
    std::memcpy(&attente, b.constData() + 720, 8);
    EXPECT_EQ(attente, 2.5);
    EXPECT_EQ(int32At(b, 728), r.Couleur);
    EXPECT_EQ(stringAt(b, 732, 4), "Clic");
    EXPECT_EQ(stringAt(b, 737, 4), "Disp");
    EXPECT_EQ(stringAt(b, 742, 4), "Inve");
    EXPECT_EQ(stringAt(b, 747, 4), "Inte");
    EXPECT_EQ(int32At(b, 752), r.Couldegra);
    EXPECT_EQ(stringAt(b, 756, 150), "sensdegra");
    EXPECT_EQ(stringAt(b, 907, 40), "style");
    EXPECT_EQ(int32At(b, 948), r.size);
    EXPECT_EQ(int32At(b, 952), r.EffetPas);
    EXPECT_EQ(int32At(b, 956), r.EffetDepart);
    EXPECT_EQ(int32At(b, 960), r.EffetFin);
    EXPECT_EQ(stringAt(b, 964, 249), "SurvolFichier");
    EXPECT_EQ(int32At(b, 1216), r.SurvolAction);
    EXPECT_EQ(int32At(b, 1220), r.SurvolPage);
    EXPECT_EQ(int32At(b, 1224), r.SurvolColonne);
    EXPECT_EQ(int32At(b, 1228), r.SurvolRetablir);
    EXPECT_EQ(decodePageRecord(b), r);
}

TEST(ElementRecord, ProjectLayoutIsUnalignedWithThePageNumber) {
    const ElementRecord r = distinctRecord();
    const QByteArray b = encodeProjectRecord(r, 42);
    ASSERT_EQ(b.size(), 1227);
    EXPECT_EQ(stringAt(b, 359, 30), "Transparent");
    EXPECT_EQ(int32At(b, 390), r.Gauche);
    EXPECT_EQ(int32At(b, 402), r.Hauteur);
    EXPECT_EQ(stringAt(b, 406, 100), "Acte");
    EXPECT_EQ(stringAt(b, 507, 100), "Destination");
    EXPECT_EQ(stringAt(b, 608, 100), "Destin2");
    EXPECT_EQ(int32At(b, 709), r.Vitesse);
    double attente = 0;
    std::memcpy(&attente, b.constData() + 713, 8);
    EXPECT_EQ(attente, 2.5);
    EXPECT_EQ(int32At(b, 721), r.Couleur);
    EXPECT_EQ(stringAt(b, 725, 4), "Clic");
    EXPECT_EQ(stringAt(b, 730, 4), "Disp");
    EXPECT_EQ(stringAt(b, 735, 4), "Inve");
    EXPECT_EQ(stringAt(b, 740, 4), "Inte");
    EXPECT_EQ(int32At(b, 745), r.Couldegra);
    EXPECT_EQ(stringAt(b, 749, 150), "sensdegra");
    EXPECT_EQ(stringAt(b, 900, 40), "style");
    EXPECT_EQ(int32At(b, 941), r.size);
    EXPECT_EQ(int32At(b, 945), 42);
    EXPECT_EQ(int32At(b, 949), r.EffetPas);
    EXPECT_EQ(int32At(b, 953), r.EffetDepart);
    EXPECT_EQ(int32At(b, 957), r.EffetFin);
    EXPECT_EQ(stringAt(b, 961, 249), "SurvolFichier");
    EXPECT_EQ(int32At(b, 1211), r.SurvolAction);
    EXPECT_EQ(int32At(b, 1215), r.SurvolPage);
    EXPECT_EQ(int32At(b, 1219), r.SurvolColonne);
    EXPECT_EQ(int32At(b, 1223), r.SurvolRetablir);
    std::int32_t page = 0;
    EXPECT_EQ(decodeProjectRecord(b, &page), r);
    EXPECT_EQ(page, 42);
}

TEST(ElementRecord, StringsAreCutAndLengthBytesBounded) {
    ElementRecord r;
    r.Fichier = QString(300, u'a');
    r.Effet = QStringLiteral("Fondu enchaîné");
    const QByteArray b = encodePageRecord(r);
    EXPECT_EQ(static_cast<unsigned char>(b[109]), 249);
    EXPECT_EQ(decodePageRecord(b).Fichier, QString(249, u'a'));
    EXPECT_EQ(static_cast<unsigned char>(b[8 + 1 + 11]), 0xEE) << "stored as Windows-1252";
    EXPECT_EQ(decodePageRecord(b).Effet, r.Effet);

    // A hostile length byte above the capacity never reads into the next field.
    QByteArray hostile = encodePageRecord(ElementRecord{});
    hostile[732] = char(200);
    std::memcpy(hostile.data() + 733, "ouiX", 4);
    hostile[737] = char(3);
    std::memcpy(hostile.data() + 738, "non", 3);
    const ElementRecord d = decodePageRecord(hostile);
    EXPECT_EQ(d.Click, "ouiX");
    EXPECT_EQ(d.DisparAuto, "non");
}

TEST(ElementRecord, ShortBuffersAndOutOfRangeCellsAreAbsent) {
    const ElementRecord fromShort = decodePageRecord(QByteArray(100, '\x07'));
    EXPECT_EQ(fromShort.SurvolRetablir, 0);
    EXPECT_TRUE(fromShort.Fichier.isEmpty());

    ElementRecord r;
    r.Fichier = QStringLiteral("a.jpg");
    for (auto [row, col, absent] : {std::tuple{0, 1, true},
                                    {62, 1, true},
                                    {-3, 1, true},
                                    {1, 0, true},
                                    {1, 21, true},
                                    {61, 20, false},
                                    {1, 1, false}}) {
        r.Ligne = row;
        r.Colonne = col;
        EXPECT_EQ(r.isAbsent(), absent) << row << "," << col;
    }
    r.Ligne = 3;
    r.Colonne = 1;
    r.Fichier.clear();
    EXPECT_TRUE(r.isAbsent()) << "an empty Fichier is never played";
}

}  // namespace
}  // namespace ztv
