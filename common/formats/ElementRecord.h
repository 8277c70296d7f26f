#pragma once

#include "common/formats/YesNo.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

namespace ztv {

inline constexpr int kRowCount = 61;
inline constexpr int kColumnCount = 20;

// One storyboard cell: the fields of the page element record, by the names the player's
// elements give them.
struct ElementRecord {
    std::int32_t Ligne = 0;
    std::int32_t Colonne = 0;
    QString Effet;
    QString Fichier;
    QString Transparent;
    std::int32_t Gauche = 0;
    std::int32_t Haut = 0;
    std::int32_t Largeur = 0;
    std::int32_t Hauteur = 0;
    QString Acte;
    QString Destination;
    QString Destin2;
    std::int32_t Vitesse = 0;
    double Attente = 0.0;
    std::int32_t Couleur = 0;
    QString Click;
    QString DisparAuto;
    QString Inverse;
    QString IntegrFond;
    std::int32_t Couldegra = 0;
    QString sensdegra;
    QString style;
    std::int32_t size = 0;
    std::int32_t EffetPas = 0;
    std::int32_t EffetDepart = 0;
    std::int32_t EffetFin = 0;
    QString SurvolFichier;
    std::int32_t SurvolAction = 0;
    std::int32_t SurvolPage = 0;
    std::int32_t SurvolColonne = 0;
    std::int32_t SurvolRetablir = 0;

    // See cellHoldsNothing.
    bool isAbsent() const;

    // The yes/no flags, as what they mean. Only the exact text counts: a flag that is neither
    // "oui" nor "non" is the default of its field.
    bool actsWithoutClick() const { return isNon(Click); }
    bool disappearsAtChange() const { return isOui(DisparAuto); }
    bool reversesNextEffect() const { return isOui(Inverse); }
    bool joinsBackground() const { return isOui(IntegrFond); }
    bool operator==(const ElementRecord&) const = default;
};

// A deleted record, an empty Fichier, or a cell outside the 61 x 20 grid holds nothing.
inline bool cellHoldsNothing(std::int32_t ligne, std::int32_t colonne, bool fichierEmpty) {
    return ligne < 1 || ligne > kRowCount || colonne < 1 || colonne > kColumnCount || fichierEmpty;
}

// Where a field sits in the two layouts; capacity is N for string[N], 0 for int32, 8 for the
// double.
struct FieldLayout {
    const char* name;
    int pageOffset;
    int projectOffset;
    int capacity;
};

inline constexpr int kPageRecordSize = 1232;
inline constexpr int kProjectRecordSize = 1227;
inline constexpr int kProjectPageOffset = 945;

// Calls f(field, member) for every field in record order; one table serves encoding, decoding
// and printing.
template <class Record, class F>
void forEachField(Record& r, F&& f) {
    f(FieldLayout{"Ligne", 0, 0, 0}, r.Ligne);
    f(FieldLayout{"Colonne", 4, 4, 0}, r.Colonne);
    f(FieldLayout{"Effet", 8, 8, 100}, r.Effet);
    f(FieldLayout{"Fichier", 109, 109, 249}, r.Fichier);
    f(FieldLayout{"Transparent", 359, 359, 30}, r.Transparent);
    f(FieldLayout{"Gauche", 392, 390, 0}, r.Gauche);
    f(FieldLayout{"Haut", 396, 394, 0}, r.Haut);
    f(FieldLayout{"Largeur", 400, 398, 0}, r.Largeur);
    f(FieldLayout{"Hauteur", 404, 402, 0}, r.Hauteur);
    f(FieldLayout{"Acte", 408, 406, 100}, r.Acte);
    f(FieldLayout{"Destination", 509, 507, 100}, r.Destination);
    f(FieldLayout{"Destin2", 610, 608, 100}, r.Destin2);
    f(FieldLayout{"Vitesse", 712, 709, 0}, r.Vitesse);
    f(FieldLayout{"Attente", 720, 713, 8}, r.Attente);
    f(FieldLayout{"Couleur", 728, 721, 0}, r.Couleur);
    f(FieldLayout{"Click", 732, 725, 4}, r.Click);
    f(FieldLayout{"DisparAuto", 737, 730, 4}, r.DisparAuto);
    f(FieldLayout{"Inverse", 742, 735, 4}, r.Inverse);
    f(FieldLayout{"IntegrFond", 747, 740, 4}, r.IntegrFond);
    f(FieldLayout{"Couldegra", 752, 745, 0}, r.Couldegra);
    f(FieldLayout{"sensdegra", 756, 749, 150}, r.sensdegra);
    f(FieldLayout{"style", 907, 900, 40}, r.style);
    f(FieldLayout{"size", 948, 941, 0}, r.size);
    f(FieldLayout{"EffetPas", 952, 949, 0}, r.EffetPas);
    f(FieldLayout{"EffetDepart", 956, 953, 0}, r.EffetDepart);
    f(FieldLayout{"EffetFin", 960, 957, 0}, r.EffetFin);
    f(FieldLayout{"SurvolFichier", 964, 961, 249}, r.SurvolFichier);
    f(FieldLayout{"SurvolAction", 1216, 1211, 0}, r.SurvolAction);
    f(FieldLayout{"SurvolPage", 1220, 1215, 0}, r.SurvolPage);
    f(FieldLayout{"SurvolColonne", 1224, 1219, 0}, r.SurvolColonne);
    f(FieldLayout{"SurvolRetablir", 1228, 1223, 0}, r.SurvolRetablir);
}

// The 1232-byte page element record of .JOU and .ACT files. Padding is written as zeros.
QByteArray encodePageRecord(const ElementRecord& r);
// A buffer shorter than a record reads its missing fields as zero or empty.
ElementRecord decodePageRecord(const QByteArray& bytes);
// Every record of a page file decoded, record 0 included so that list indexes are record
// indexes; a trailing partial record is left out. nullopt when the file cannot be opened.
std::optional<QList<ElementRecord>> readPageFile(const QString& hostPath);

// The 1227-byte unaligned project record of containers, with its page number.
QByteArray encodeProjectRecord(const ElementRecord& r, std::int32_t page);
ElementRecord decodeProjectRecord(const QByteArray& bytes, std::int32_t* page = nullptr);

}  // namespace ztv
