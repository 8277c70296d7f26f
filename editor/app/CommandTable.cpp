#include "editor/app/CommandTable.h"

#include <QList>
#include <cstring>

namespace ztv::editor {

namespace {

constexpr ToolButtonEntry kButtons[] = {
    {"BNew", "nouveau", 18, 22, 701, "BNew"},
    {"BOpen", "ouvrir", 52, 22, 703, "BOpen"},
    {"BSave", "enregistrer", 85, 22, 705, "BSave"},
    {"BCopier", "copier", 119, 22, 695, "BCopier"},
    {"BCouper", "couper", 153, 22, 696, "BCouper"},
    {"BColler", "coller", 187, 22, 694, "BColler"},
    {"BSuppr", "poubelle", 221, 22, 706, "BSuppr"},
    {"BAjout", "voir_case", 289, 9, 693, "BAjout"},
    {"BNewPage", "creer_page", 323, 9, 702, "BNewPage"},
    // The slideshow and questions buttons have no hint line of their own; they take the
    // caption of the menu item that does the same.
    {"BDiaporama", "diaporama", 357, 9, 175, "BDiaporama"},
    {"BGrille", "grille", 408, 9, 697, "BGrille"},
    {"BPosition", "positionner", 442, 9, 704, "BPosition"},
    {"BListe", "story", 476, 9, 700, "BListe"},
    {"BJouer", "jouer", 546, 22, 699, "BJouer"},
    {"BJouer2", "jouer", 607, 22, 420, "BJouer2"},
    {"BCreerAppli", "creer_appli", 587, 22, 712, "BCreerAppli"},
    {"Baide", "aide", 657, 22, 492, "Baide"},
    {"BQuestion", "question", 691, 22, 746, "BQuestion"},
    {"BitBtn3", "quitter", 725, 22, 698, "BitBtn3"},
};

// The commands every desktop program shares take the desktop's own keys; the table's keys
// follow them, so that a desktop without a binding for one still has the usual key.
struct StandardKeyEntry {
    const char* item;
    QKeySequence::StandardKey key;
};

constexpr StandardKeyEntry kStandardKeys[] = {
    {"Nouveau1", QKeySequence::New},      {"Ouvrir1", QKeySequence::Open},
    {"Enreg", QKeySequence::Save},        {"Enregistrersous1", QKeySequence::SaveAs},
    {"Imprimer1", QKeySequence::Print},   {"Qitter1", QKeySequence::Quit},
    {"Dfaire1", QKeySequence::Undo},      {"Copier1", QKeySequence::Copy},
    {"Couper1", QKeySequence::Cut},       {"Coller1", QKeySequence::Paste},
    {"Supprimer1", QKeySequence::Delete}, {"Aide2", QKeySequence::HelpContents},
};

constexpr MenuItemEntry kSeparator{nullptr, -1, "", nullptr};

constexpr MenuItemEntry kFile[] = {
    {"Nouveau1", 517, "Ctrl+N", "BNew"},
    {"Ouvrir1", 703, "Ctrl+O", "BOpen"},
    kSeparator,
    {"Param1", 724, "", "Param1"},
    {"Paramtreduprojet1", 725, "", "Paramtreduprojet1"},
    kSeparator,
    {"Enreg", 705, "Ctrl+S; Ctrl+E", "BSave"},
    {"Enregistrersous1", 716, "Ctrl+Shift+S", "Enregistrersous1"},
    kSeparator,
    {"Imprimer1", 558, "Ctrl+P", "Imprimer1"},
    {"Crerexecutable1", 712, "", "BCreerAppli"},
    kSeparator,
    {"proj1", 727, "", "proj1"},
    {"proj2", 728, "", "proj2"},
    {"proj3", 729, "", "proj3"},
    {"proj4", 730, "", "proj4"},
    {"proj5", 731, "", "proj5"},
    kSeparator,
    {"Qitter1", 698, "Ctrl+Q; Alt+F4", "BitBtn3"},
};

// Delete and Insert go to the first item of each group only: one key, one command.
constexpr MenuItemEntry kEdit[] = {
    {"Dfaire1", 491, "Ctrl+Z", "Dfaire1"},
    kSeparator,
    {"Copier1", 695, "Ctrl+C", "BCopier"},
    {"CopierPage1", 711, "Ctrl+Shift+C", "CopierPage1"},
    {"Couper1", 696, "Ctrl+X", "BCouper"},
    {"Coller1", 694, "Ctrl+V", "BColler"},
    {"Collspec1", 710, "", "Collspec1"},
    {"CollerPage1", 709, "Ctrl+Shift+V", "CollerPage1"},
    kSeparator,
    {"Supprimer1", 740, "Del", "BSuppr"},
    {"SupprLig", 742, "", "SupprLig"},
    {"SupprCol", 738, "", "SupprCol"},
    kSeparator,
    {"InsCol", 718, "Ins", "InsCol"},
    {"SupprCol2", 739, "", "SupprCol2"},
    kSeparator,
    {"Toutselec1", 743, "", "Toutselec1"},
    {"SelecL", 734, "", "SelecL"},
    {"SelecC", 733, "", "SelecC"},
};

constexpr MenuItemEntry kProject[] = {
    {"FichiersduProjet1", 562, "", "FichiersduProjet1"},
    {"ListedesMotsClefs2", 575, "", "ListedesMotsClefs2"},
};

constexpr MenuItemEntry kPage[] = {
    {"Positionnement2", 726, "Ctrl+Shift+P", "BPosition"},
    kSeparator,
    {"NouvellePage1", 586, "", "BNewPage"},
    {"ModifierPage1", 108, "", "ModifierPage1"},
    {"SupprimerPage1", 741, "", "SupprimerPage1"},
    kSeparator,
    {"Diaporama", 175, "", "BDiaporama"},
};

constexpr MenuItemEntry kStudio[] = {
    {"Scanner1", 529, "", "Scanner1"},
    {"Dessiner1", 530, "", "Dessiner1"},
    {"Vido1", 744, "", "Vido1"},
    {"Son1", 735, "", "Son1"},
    {"EnregistrerSon1", 715, "", "EnregistrerSon1"},
    {"Editeurdetexte1", 713, "", "Editeurdetexte1"},
};

constexpr MenuItemEntry kRun[] = {
    {"Grille1", 697, "", "BGrille"}, {"Storyboard1", 700, "", "BListe"}, kSeparator,
    {"Excuter1", 699, "", "BJouer"}, {"Excuter2", 420, "", "BJouer2"},
};

constexpr MenuItemEntry kHelp[] = {
    {"Aide2", 492, "F1", "Baide"},
    {"Tutorial1", 707, "", "Tutorial1"},
    {"Vosquestions1", 746, "", "BQuestion"},
    kSeparator,
    {"Informationsgnrales1", 750, "", "Informationsgnrales1"},
    {"Historique1", 753, "", "Historique1"},
    {"Informationsvendeurs1", 754, "", "Informationsvendeurs1"},
    {"Fichierpad1", 755, "", "Fichierpad1"},
    {"NotreSiteWeb1", 720, "", "NotreSiteWeb1"},
    kSeparator,
    {"Aproposde1", 692, "", "Aproposde1"},
};

constexpr MenuEntry kMenus[] = {
    {"Fichier1", 2, kFile}, {"Edition1", 714, kEdit},  {"Projet1", 732, kProject},
    {"Page1", 723, kPage},  {"Studio1", 737, kStudio}, {"Executer1", 717, kRun},
    {"Aide1", 492, kHelp},
};

constexpr MenuItemEntry kPopup[] = {
    {"OuvrirFiche1", 721, "", "BAjout"},
    {"OuvrirMedia1", 722, "", "OuvrirMedia1"},
};

}  // namespace

std::span<const ToolButtonEntry> toolButtons() {
    return kButtons;
}

std::span<const MenuEntry> menus() {
    return kMenus;
}

std::span<const MenuItemEntry> popupItems() {
    return kPopup;
}

QList<QKeySequence> shortcutsOf(const MenuItemEntry& entry) {
    QList<QKeySequence> keys;
    for (const StandardKeyEntry& standard : kStandardKeys) {
        if (std::strcmp(standard.item, entry.name) == 0) {
            keys = QKeySequence::keyBindings(standard.key);
        }
    }
    for (const QKeySequence& own : QKeySequence::listFromString(QLatin1String(entry.shortcut))) {
        if (!own.isEmpty() && !keys.contains(own)) {
            keys.append(own);
        }
    }
    return keys;
}

bool startsDisabled(const char* command) {
    for (const char* name : {"Dfaire1", "BColler", "Collspec1", "CollerPage1"}) {
        if (std::strcmp(command, name) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace ztv::editor
