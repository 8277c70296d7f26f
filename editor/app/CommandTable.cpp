#include "editor/app/CommandTable.h"

#include <QList>
#include <cstring>

namespace ztv::editor {

namespace {

constexpr ToolButtonEntry kButtons[] = {
    {"BNew", "nouveau", 18, 22, 701, Command::NewProject},
    {"BOpen", "ouvrir", 52, 22, 703, Command::OpenProject},
    {"BSave", "enregistrer", 85, 22, 705, Command::Save},
    {"BCopier", "copier", 119, 22, 695, Command::Copy},
    {"BCouper", "couper", 153, 22, 696, Command::Cut},
    {"BColler", "coller", 187, 22, 694, Command::Paste},
    {"BSuppr", "poubelle", 221, 22, 706, Command::DeleteCells},
    {"BAjout", "voir_case", 289, 9, 693, Command::OpenCell},
    {"BNewPage", "creer_page", 323, 9, 702, Command::NewPage},
    // The slideshow and questions buttons have no hint line of their own; they take the
    // caption of the menu item that does the same.
    {"BDiaporama", "diaporama", 357, 9, 175, Command::Slideshow},
    {"BGrille", "grille", 408, 9, 697, Command::GridView},
    {"BPosition", "positionner", 442, 9, 704, Command::Position},
    {"BListe", "story", 476, 9, 700, Command::PictureListView},
    {"BJouer", "jouer", 546, 22, 699, Command::Play},
    {"BJouer2", "jouer", 607, 22, 420, Command::WebPreview},
    {"BCreerAppli", "creer_appli", 587, 22, 712, Command::BuildApplication},
    {"Baide", "aide", 657, 22, 492, Command::Help},
    {"BQuestion", "question", 691, 22, 746, Command::Questions},
    {"BitBtn3", "quitter", 725, 22, 698, Command::Quit},
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

constexpr MenuItemEntry kSeparator{nullptr, -1, "", {}};

constexpr MenuItemEntry kFile[] = {
    {"Nouveau1", 517, "Ctrl+N", Command::NewProject},
    {"Ouvrir1", 703, "Ctrl+O", Command::OpenProject},
    kSeparator,
    {"Param1", 724, "", Command::ToolSettings},
    {"Paramtreduprojet1", 725, "", Command::ProjectParameters},
    kSeparator,
    {"Enreg", 705, "Ctrl+S; Ctrl+E", Command::Save},
    {"Enregistrersous1", 716, "Ctrl+Shift+S", Command::SaveAs},
    kSeparator,
    {"Imprimer1", 558, "Ctrl+P", Command::Print},
    {"Crerexecutable1", 712, "", Command::BuildApplication},
    kSeparator,
    {"proj1", 727, "", Command::OpenRecent1},
    {"proj2", 728, "", Command::OpenRecent2},
    {"proj3", 729, "", Command::OpenRecent3},
    {"proj4", 730, "", Command::OpenRecent4},
    {"proj5", 731, "", Command::OpenRecent5},
    kSeparator,
    {"Qitter1", 698, "Ctrl+Q; Alt+F4", Command::Quit},
};

// Delete and Insert go to the first item of each group only: one key, one command.
constexpr MenuItemEntry kEdit[] = {
    {"Dfaire1", 491, "Ctrl+Z", Command::Undo},
    kSeparator,
    {"Copier1", 695, "Ctrl+C", Command::Copy},
    {"CopierPage1", 711, "Ctrl+Shift+C", Command::CopyPage},
    {"Couper1", 696, "Ctrl+X", Command::Cut},
    {"Coller1", 694, "Ctrl+V", Command::Paste},
    {"Collspec1", 710, "", Command::SpecialPaste},
    {"CollerPage1", 709, "Ctrl+Shift+V", Command::PastePage},
    kSeparator,
    {"Supprimer1", 740, "Del", Command::DeleteCells},
    {"SupprLig", 742, "", Command::DeleteRow},
    {"SupprCol", 738, "", Command::DeleteColumnCells},
    kSeparator,
    {"InsCol", 718, "Ins", Command::InsertColumn},
    {"SupprCol2", 739, "", Command::RemoveColumn},
    kSeparator,
    {"Toutselec1", 743, "", Command::SelectAll},
    {"SelecL", 734, "", Command::SelectRow},
    {"SelecC", 733, "", Command::SelectColumn},
};

constexpr MenuItemEntry kProject[] = {
    {"FichiersduProjet1", 562, "", Command::ProjectFiles},
    {"ListedesMotsClefs2", 575, "", Command::Keywords},
};

constexpr MenuItemEntry kPage[] = {
    {"Positionnement2", 726, "Ctrl+Shift+P", Command::Position},
    kSeparator,
    {"NouvellePage1", 586, "", Command::NewPage},
    {"ModifierPage1", 108, "", Command::ModifyPage},
    {"SupprimerPage1", 741, "", Command::DeletePage},
    kSeparator,
    {"Diaporama", 175, "", Command::Slideshow},
};

constexpr MenuItemEntry kStudio[] = {
    {"Scanner1", 529, "", Command::Scanner},
    {"Dessiner1", 530, "", Command::DrawPicture},
    {"Vido1", 744, "", Command::ViewVideo},
    {"Son1", 735, "", Command::EditVideo},
    {"EnregistrerSon1", 715, "", Command::RecordSound},
    {"Editeurdetexte1", 713, "", Command::TextEditor},
    {"CreerAnimation1", 519, "", Command::AnimationMaker},
};

constexpr MenuItemEntry kRun[] = {
    {"Grille1", 697, "", Command::GridView},
    {"Storyboard1", 700, "", Command::PictureListView},
    kSeparator,
    {"Excuter1", 699, "", Command::Play},
    {"Excuter2", 420, "", Command::WebPreview},
};

constexpr MenuItemEntry kHelp[] = {
    {"Aide2", 492, "F1", Command::Help},
    {"Tutorial1", 707, "", Command::Tutorial},
    {"Vosquestions1", 746, "", Command::Questions},
    kSeparator,
    {"Informationsgnrales1", 750, "", Command::GeneralInformation},
    {"Historique1", 753, "", Command::History},
    {"Informationsvendeurs1", 754, "", Command::VendorInformation},
    {"Fichierpad1", 755, "", Command::PadFile},
    {"NotreSiteWeb1", 720, "", Command::Website},
    kSeparator,
    {"Aproposde1", 692, "", Command::About},
};

constexpr MenuEntry kMenus[] = {
    {"Fichier1", 2, kFile}, {"Edition1", 714, kEdit},  {"Projet1", 732, kProject},
    {"Page1", 723, kPage},  {"Studio1", 737, kStudio}, {"Executer1", 717, kRun},
    {"Aide1", 492, kHelp},
};

struct RuleEntry {
    Command command;
    EnabledRule rule;
};

// The commands not listed here are always enabled once they have their handler.
constexpr RuleEntry kRules[] = {
    {Command::Undo, EnabledRule::UndoAvailable},
    {Command::Copy, EnabledRule::NeedsPage},
    {Command::Cut, EnabledRule::NeedsPage},
    {Command::InsertColumn, EnabledRule::NeedsPage},
    {Command::RemoveColumn, EnabledRule::NeedsPage},
    {Command::DeleteCells, EnabledRule::NeedsPage},
    {Command::DeleteRow, EnabledRule::NeedsPage},
    {Command::DeleteColumnCells, EnabledRule::NeedsPage},
    {Command::SelectAll, EnabledRule::NeedsPage},
    {Command::SelectRow, EnabledRule::NeedsPage},
    {Command::SelectColumn, EnabledRule::NeedsPage},
    {Command::Paste, EnabledRule::ClipboardFilled},
    {Command::SpecialPaste, EnabledRule::ClipboardFilled},
    {Command::PastePage, EnabledRule::PageCopied},
    {Command::EditCell, EnabledRule::CellWithDialog},
    {Command::OpenCell, EnabledRule::CellWithDialog},
};

constexpr MenuItemEntry kPopup[] = {
    {"OuvrirFiche1", 721, "", Command::OpenCell},
    {"OuvrirMedia1", 722, "", Command::OpenMedia},
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

EnabledRule ruleOf(Command command) {
    for (const RuleEntry& entry : kRules) {
        if (entry.command == command) {
            return entry.rule;
        }
    }
    return EnabledRule::Always;
}

std::optional<Command> commandOf(const QString& objectName) {
    for (const ToolButtonEntry& button : kButtons) {
        if (objectName == QLatin1String(button.name)) {
            return button.command;
        }
    }
    const auto named = [&](std::span<const MenuItemEntry> items) -> std::optional<Command> {
        for (const MenuItemEntry& item : items) {
            if (item.name && objectName == QLatin1String(item.name)) {
                return item.command;
            }
        }
        return std::nullopt;
    };
    for (const MenuEntry& menu : kMenus) {
        if (const auto command = named(menu.items)) {
            return command;
        }
    }
    return named(kPopup);
}

}  // namespace ztv::editor
