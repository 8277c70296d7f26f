#include "tools/demogen/DemoTexts.h"

#include "common/formats/ColorText.h"
#include "common/formats/ElementDefaults.h"
#include "common/formats/LangLines.h"
#include "common/formats/YesNo.h"
#include "editor/document/TextFields.h"

namespace ztv::demo {
namespace {

struct Look {
    QString font;
    int styleLine;
    int points;
    int alignLine;
    QPoint shadow;
    std::int32_t colour;  // $00BBGGRR
};

// A text cell made as the text dialog makes one, from its lines and look.
ElementRecord textCell(const LanguageFile& lang, int row, int column, const QStringList& lines,
                       QRect rect, const Look& look) {
    editor::TextFields text;
    text.lines = lines;
    text.font = editor::RememberedFont{look.font, look.points, look.styleLine};
    text.alignLine = look.alignLine;
    text.spacing = 2;
    text.shadow = look.shadow;
    text.colour = colourOfValue(std::uint32_t(look.colour));
    text.shadowColour = colourOfValue(0x202020);
    ElementRecord r = plainElement(lang, row, column, QString(), rect);
    text.applyTo(r, lang);
    r.Vitesse = 90;
    r.EffetPas = 5;
    return r;
}

// The language line that names effect 40 to 60.
int effectLine(int effect) {
    return effect <= 57 ? 262 + (effect - 40) : 296 + (effect - 58);
}

// A caption that lights up in yellow under the mouse and leads to `page` when clicked.
ElementRecord linkTo(const LanguageFile& lang, ElementRecord r, int page) {
    r.SurvolFichier = colorToText(0x00FFFF);
    r.SurvolRetablir = 1;
    r.Acte = lang.text(lang::ActionGoToPage);
    r.Destination = QString::number(page);
    r.Click = ouiNon(true);
    return r;
}

constexpr std::int32_t kWhite = 0xFFFFFF;
constexpr std::int32_t kGold = 0x40C0F0;

// One picture of the effects page at its slot (left or right) of a column, with the effect's name
// beneath it on a band of the page's colour that clears the name before.
QList<ElementRecord> savedEffectCell(const LanguageFile& lang, int effect, int column, int slot,
                                     const QString& picture, std::int32_t ground) {
    const QRect rect(40 + slot * 300, 100, 260, 195);
    ElementRecord shown = plainElement(lang, 4 + slot, column, picture, rect);
    shown.Effet = lang.text(effectLine(effect));
    shown.size = effect <= 44 ? 1 : effect == 51 ? 2 : 0;  // one turn, twice the size
    shown.Vitesse = 95;
    shown.EffetPas = 4;
    shown.Attente = 1.0;
    const QRect under(rect.left(), 305, rect.width(), 30);
    ElementRecord band =
        plainElement(lang, 6 + slot, column, lang.text(lang::MarkerPlainBackground), under);
    band.Couleur = ground;
    // The longest names ("Vol en courbe depuis le coin haut droit") fit the picture's width.
    const Look name{QStringLiteral("Cambria"),
                    lang::FontStyleNormal,
                    11,
                    slot == 0 ? lang::AlignLeft : lang::AlignRight,
                    QPoint(),
                    kGold};
    return {shown, band, textCell(lang, 31 + slot, column, {shown.Effet}, under, name)};
}

}  // namespace

QList<ElementRecord> pageTexts(const LanguageFile& lang, int page) {
    const Look title{QStringLiteral("Times New Roman"),
                     lang::FontStyleBold,
                     30,
                     lang::AlignCentre,
                     QPoint(3, 3),
                     kWhite};
    const Look caption{
        QStringLiteral("Arial"), lang::FontStyleItalic, 14, lang::AlignLeft, QPoint(), kGold};
    switch (page) {
        case 1: {
            ElementRecord t =
                textCell(lang, 30, 1, {QStringLiteral("Bienvenue")}, QRect(0, 140, 640, 60), title);
            t.Effet = lang.text(247);  // zoom from the centre
            Look centred = caption;
            centred.alignLine = lang::AlignCentre;
            return {t, textCell(lang, 31, 2,
                                {QStringLiteral("Des images, des textes,"),
                                 QStringLiteral("des effets et des sons.")},
                                QRect(120, 210, 400, 50), centred)};
        }
        case 2: {
            Look right = title;
            right.font = QStringLiteral("Verdana");
            right.points = 22;
            right.alignLine = lang::AlignRight;
            right.shadow = QPoint(-2, 2);
            return {textCell(lang, 30, 1, {QStringLiteral("Une page en deux temps")},
                             QRect(20, 235, 600, 40), right)};
        }
        case 3: {
            Look comic = title;
            comic.font = QStringLiteral("Comic Sans MS");
            comic.points = 20;
            comic.alignLine = lang::AlignRight;
            ElementRecord more = textCell(lang, 31, 5, {QStringLiteral("Encore des effets...")},
                                          QRect(240, 400, 250, 40), comic);
            return {
                textCell(lang, 30, 3, {QStringLiteral("Effets")}, QRect(0, 340, 640, 50), title),
                linkTo(lang, more, kSavedEffectsPage)};
        }
        default:
            return {};
    }
}

QList<ElementRecord> savedEffectsPage(const LanguageFile& lang, const QStringList& pictures) {
    ElementRecord ground =
        plainElement(lang, 3, 1, lang.text(lang::MarkerPlainBackground), QRect(0, 0, 640, 480));
    ground.Couleur = 0x301818;
    const Look heading{QStringLiteral("Calibri"), lang::FontStyleBold, 24,
                       lang::AlignCentre,         QPoint(2, 2),        kWhite};
    QList<ElementRecord> page{ground,
                              textCell(lang, 30, 1, {QStringLiteral("Effets sur fond sauvegardé")},
                                       QRect(0, 20, 640, 50), heading)};
    // Effects whose drawing reaches beyond their own rectangle (rotations about a corner, flights)
    // get a column to themselves: two of them at once would put back each other's pages.
    const QList<QList<int>> columns = {{40},     {41},     {42},     {43}, {44}, {45, 46},
                                       {47, 48}, {49, 50}, {51, 60}, {52}, {53}, {54},
                                       {55},     {56},     {57},     {58}, {59}};
    for (int c = 0; c < columns.size(); ++c) {
        for (int i = 0; i < columns[c].size(); ++i) {
            const int effect = columns[c][i];
            const int slot = columns[c].size() == 2 ? i : c % 2;
            page << savedEffectCell(lang, effect, 2 + c, slot,
                                    pictures.at(effect % pictures.size()), ground.Couleur);
        }
    }
    ElementRecord back =
        textCell(lang, 33, 2 + int(columns.size()), {QStringLiteral("Retour au menu")},
                 QRect(170, 420, 300, 40), heading);
    page << linkTo(lang, back, kMenuPage);
    return page;
}

}  // namespace ztv::demo
