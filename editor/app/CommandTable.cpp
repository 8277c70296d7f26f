#include "editor/app/CommandTable.h"

#include <QList>

namespace ztv::editor {

namespace {

constexpr QKeySequence::StandardKey kNoStandardKey = QKeySequence::UnknownKey;
constexpr CommandItem kNoItem{nullptr, -1, "", kNoStandardKey};
constexpr CommandButton kNoButton{nullptr, nullptr, -1, 0, 0};

// The slideshow and questions buttons have no hint line of their own: they take the caption of
// the menu item that does the same. The commands every desktop program shares take the
// desktop's own keys; the rows' keys follow them, so that a desktop without a binding for one
// still has the usual key. Delete and Insert go to the first item of each group only: one key,
// one command. One row a line, to read as a table.
// clang-format off
constexpr CommandEntry kCommands[] = {
    {Command::NewProject, {"Nouveau1", 517, "Ctrl+N", QKeySequence::New}, {"BNew", "nouveau", 701, 18, 22}, EnabledRule::Always},
    {Command::OpenProject, {"Ouvrir1", 703, "Ctrl+O", QKeySequence::Open}, {"BOpen", "ouvrir", 703, 52, 22}, EnabledRule::Always},
    {Command::Save, {"Enreg", 705, "Ctrl+S; Ctrl+E", QKeySequence::Save}, {"BSave", "enregistrer", 705, 85, 22}, EnabledRule::Always},
    {Command::SaveAs, {"Enregistrersous1", 716, "Ctrl+Shift+S", QKeySequence::SaveAs}, kNoButton, EnabledRule::Always},
    {Command::ToolSettings, {"Param1", 724, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::ProjectParameters, {"Paramtreduprojet1", 725, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::Print, {"Imprimer1", 558, "Ctrl+P", QKeySequence::Print}, kNoButton, EnabledRule::Always},
    {Command::BuildApplication, {"Crerexecutable1", 712, "", kNoStandardKey}, {"BCreerAppli", "creer_appli", 712, 587, 22}, EnabledRule::Always},
    {Command::OpenRecent1, {"proj1", 727, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::OpenRecent2, {"proj2", 728, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::OpenRecent3, {"proj3", 729, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::OpenRecent4, {"proj4", 730, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::OpenRecent5, {"proj5", 731, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::Quit, {"Qitter1", 698, "Ctrl+Q; Alt+F4", QKeySequence::Quit}, {"BitBtn3", "quitter", 698, 725, 22}, EnabledRule::Always},
    {Command::Undo, {"Dfaire1", 491, "Ctrl+Z", QKeySequence::Undo}, kNoButton, EnabledRule::UndoAvailable},
    {Command::Copy, {"Copier1", 695, "Ctrl+C", QKeySequence::Copy}, {"BCopier", "copier", 695, 119, 22}, EnabledRule::NeedsPage},
    {Command::CopyPage, {"CopierPage1", 711, "Ctrl+Shift+C", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::Cut, {"Couper1", 696, "Ctrl+X", QKeySequence::Cut}, {"BCouper", "couper", 696, 153, 22}, EnabledRule::NeedsPage},
    {Command::Paste, {"Coller1", 694, "Ctrl+V", QKeySequence::Paste}, {"BColler", "coller", 694, 187, 22}, EnabledRule::ClipboardFilled},
    {Command::SpecialPaste, {"Collspec1", 710, "", kNoStandardKey}, kNoButton, EnabledRule::ClipboardFilled},
    {Command::PastePage, {"CollerPage1", 709, "Ctrl+Shift+V", kNoStandardKey}, kNoButton, EnabledRule::PageCopied},
    {Command::DeleteCells, {"Supprimer1", 740, "Del", QKeySequence::Delete}, {"BSuppr", "poubelle", 706, 221, 22}, EnabledRule::NeedsPage},
    {Command::DeleteRow, {"SupprLig", 742, "", kNoStandardKey}, kNoButton, EnabledRule::NeedsPage},
    {Command::DeleteColumnCells, {"SupprCol", 738, "", kNoStandardKey}, kNoButton, EnabledRule::NeedsPage},
    {Command::InsertColumn, {"InsCol", 718, "Ins", kNoStandardKey}, kNoButton, EnabledRule::NeedsPage},
    {Command::RemoveColumn, {"SupprCol2", 739, "", kNoStandardKey}, kNoButton, EnabledRule::NeedsPage},
    {Command::SelectAll, {"Toutselec1", 743, "", kNoStandardKey}, kNoButton, EnabledRule::NeedsPage},
    {Command::SelectRow, {"SelecL", 734, "", kNoStandardKey}, kNoButton, EnabledRule::NeedsPage},
    {Command::SelectColumn, {"SelecC", 733, "", kNoStandardKey}, kNoButton, EnabledRule::NeedsPage},
    {Command::ProjectFiles, {"FichiersduProjet1", 562, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::Keywords, {"ListedesMotsClefs2", 575, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::Position, {"Positionnement2", 726, "Ctrl+Shift+P", kNoStandardKey}, {"BPosition", "positionner", 704, 442, 9}, EnabledRule::Always},
    {Command::NewPage, {"NouvellePage1", 586, "", kNoStandardKey}, {"BNewPage", "creer_page", 702, 323, 9}, EnabledRule::Always},
    {Command::ModifyPage, {"ModifierPage1", 108, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::DeletePage, {"SupprimerPage1", 741, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::Slideshow, {"Diaporama", 175, "", kNoStandardKey}, {"BDiaporama", "diaporama", 175, 357, 9}, EnabledRule::Always},
    {Command::Scanner, {"Scanner1", 529, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::DrawPicture, {"Dessiner1", 530, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::ViewVideo, {"Vido1", 744, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::EditVideo, {"Son1", 735, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::RecordSound, {"EnregistrerSon1", 715, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::TextEditor, {"Editeurdetexte1", 713, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::AnimationMaker, {"CreerAnimation1", 519, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::GridView, {"Grille1", 697, "", kNoStandardKey}, {"BGrille", "grille", 697, 408, 9}, EnabledRule::Always},
    {Command::PictureListView, {"Storyboard1", 700, "", kNoStandardKey}, {"BListe", "story", 700, 476, 9}, EnabledRule::Always},
    {Command::Play, {"Excuter1", 699, "", kNoStandardKey}, {"BJouer", "jouer", 699, 546, 22}, EnabledRule::Always},
    {Command::WebPreview, {"Excuter2", 420, "", kNoStandardKey}, {"BJouer2", "jouer", 420, 607, 22}, EnabledRule::Always},
    {Command::Help, {"Aide2", 492, "F1", QKeySequence::HelpContents}, {"Baide", "aide", 492, 657, 22}, EnabledRule::Always},
    {Command::Tutorial, {"Tutorial1", 707, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::Questions, {"Vosquestions1", 746, "", kNoStandardKey}, {"BQuestion", "question", 746, 691, 22}, EnabledRule::Always},
    {Command::GeneralInformation, {"Informationsgnrales1", 750, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::History, {"Historique1", 753, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::VendorInformation, {"Informationsvendeurs1", 754, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::PadFile, {"Fichierpad1", 755, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::Website, {"NotreSiteWeb1", 720, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::About, {"Aproposde1", 692, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::OpenCell, {"OuvrirFiche1", 721, "", kNoStandardKey}, {"BAjout", "voir_case", 693, 289, 9}, EnabledRule::CellWithDialog},
    {Command::OpenMedia, {"OuvrirMedia1", 722, "", kNoStandardKey}, kNoButton, EnabledRule::Always},
    {Command::EditCell, kNoItem, kNoButton, EnabledRule::CellWithDialog},
};
// clang-format on
static_assert(std::size(kCommands) == kCommandCount);

constexpr bool inEnumerationOrder() {
    for (std::size_t n = 0; n < kCommandCount; ++n) {
        if (kCommands[n].command != Command(n)) {
            return false;
        }
    }
    return true;
}
static_assert(inEnumerationOrder());

constexpr std::optional<Command> kSeparator = std::nullopt;

constexpr std::optional<Command> kFile[] = {
    Command::NewProject,
    Command::OpenProject,
    kSeparator,
    Command::ToolSettings,
    Command::ProjectParameters,
    kSeparator,
    Command::Save,
    Command::SaveAs,
    kSeparator,
    Command::Print,
    Command::BuildApplication,
    kSeparator,
    Command::OpenRecent1,
    Command::OpenRecent2,
    Command::OpenRecent3,
    Command::OpenRecent4,
    Command::OpenRecent5,
    kSeparator,
    Command::Quit,
};

constexpr std::optional<Command> kEdit[] = {
    Command::Undo,
    kSeparator,
    Command::Copy,
    Command::CopyPage,
    Command::Cut,
    Command::Paste,
    Command::SpecialPaste,
    Command::PastePage,
    kSeparator,
    Command::DeleteCells,
    Command::DeleteRow,
    Command::DeleteColumnCells,
    kSeparator,
    Command::InsertColumn,
    Command::RemoveColumn,
    kSeparator,
    Command::SelectAll,
    Command::SelectRow,
    Command::SelectColumn,
};

constexpr std::optional<Command> kProject[] = {Command::ProjectFiles, Command::Keywords};

constexpr std::optional<Command> kPage[] = {
    Command::Position,   kSeparator, Command::NewPage,   Command::ModifyPage,
    Command::DeletePage, kSeparator, Command::Slideshow,
};

constexpr std::optional<Command> kStudio[] = {
    Command::Scanner,     Command::DrawPicture, Command::ViewVideo,      Command::EditVideo,
    Command::RecordSound, Command::TextEditor,  Command::AnimationMaker,
};

constexpr std::optional<Command> kRun[] = {
    Command::GridView, Command::PictureListView, kSeparator, Command::Play, Command::WebPreview,
};

constexpr std::optional<Command> kHelp[] = {
    Command::Help,
    Command::Tutorial,
    Command::Questions,
    kSeparator,
    Command::GeneralInformation,
    Command::History,
    Command::VendorInformation,
    Command::PadFile,
    Command::Website,
    kSeparator,
    Command::About,
};

constexpr MenuEntry kMenus[] = {
    {"Fichier1", 2, kFile}, {"Edition1", 714, kEdit},  {"Projet1", 732, kProject},
    {"Page1", 723, kPage},  {"Studio1", 737, kStudio}, {"Executer1", 717, kRun},
    {"Aide1", 492, kHelp},
};

constexpr std::optional<Command> kPopup[] = {Command::OpenCell, Command::OpenMedia};

}  // namespace

std::span<const CommandEntry> commandEntries() {
    return kCommands;
}

const CommandEntry& entryOf(Command command) {
    return kCommands[std::size_t(command)];
}

std::span<const MenuEntry> menus() {
    return kMenus;
}

std::span<const std::optional<Command>> popupItems() {
    return kPopup;
}

QList<QKeySequence> shortcutsOf(const CommandItem& item) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(item.standardKey);
    for (const QKeySequence& own : QKeySequence::listFromString(QLatin1String(item.keys))) {
        if (!own.isEmpty() && !keys.contains(own)) {
            keys.append(own);
        }
    }
    return keys;
}

std::optional<Command> commandOf(const QString& objectName) {
    for (const CommandEntry& entry : kCommands) {
        const char* names[] = {entry.item.name, entry.button.name};
        for (const char* name : names) {
            if (name && objectName == QLatin1String(name)) {
                return entry.command;
            }
        }
    }
    return std::nullopt;
}

}  // namespace ztv::editor
