#include "editor/dialogs/CellDialogs.h"

#include "common/formats/ElementKinds.h"
#include "editor/dialogs/AnimationDialog.h"
#include "editor/dialogs/CharacterDialog.h"
#include "editor/dialogs/ClickZoneDialog.h"
#include "editor/dialogs/ImageDialog.h"
#include "editor/dialogs/LongTextDialog.h"
#include "editor/dialogs/PanoramaDialog.h"
#include "editor/dialogs/TextDialog.h"
#include "editor/document/SessionSettings.h"
#include "editor/widgets/TiledDialog.h"
#include "editor/widgets/WindowServices.h"

#include <memory>

namespace ztv::editor {

namespace {

using DialogMaker = std::unique_ptr<ElementDialog> (*)(SessionSettings&, Prompter&, Storyboard&,
                                                       bool hasElement, QWidget* parent);

template <class Dialog>
std::unique_ptr<ElementDialog> make(SessionSettings& settings, Prompter& prompter,
                                    Storyboard& storyboard, bool hasElement, QWidget* parent) {
    return std::make_unique<Dialog>(settings, prompter, storyboard, hasElement, parent);
}

struct KindDialog {
    ElementKind kind;
    DialogMaker make;
};

// The dialog of each stored kind that has one: a kind's dialog is one row here.
constexpr KindDialog kKindDialogs[] = {
    {ElementKind::Background, &make<ImageDialog>},
    {ElementKind::Picture, &make<ImageDialog>},
    {ElementKind::Text, &make<TextDialog>},
    {ElementKind::Character, &make<CharacterDialog>},
    {ElementKind::Panorama, &make<PanoramaDialog>},
    {ElementKind::Animation, &make<AnimationDialog>},
    {ElementKind::LongText, &make<LongTextDialog>},
    {ElementKind::ClickZone, &make<ClickZoneDialog>},
};

DialogMaker dialogOfRow(int row) {
    const ElementKind kind = kindOfRow(row);
    for (const KindDialog& entry : kKindDialogs) {
        if (entry.kind == kind) {
            return entry.make;
        }
    }
    return nullptr;
}

}  // namespace

bool rowHasDialog(int row) {
    return dialogOfRow(row) != nullptr;
}

CellDialogResult showCellDialog(const WindowServices& window, int row, bool hasElement) {
    const DialogMaker make = dialogOfRow(row);
    if (!make) {
        return {std::nullopt, hasElement};
    }
    const auto dialog =
        make(window.state, window.prompter, window.storyboard, hasElement, window.window);
    runModal(window.state, *dialog);
    window.state.rememberedColours = dialog->rememberedColours();
    if (dialog->edit()) {
        return {dialog->edit(), false};
    }
    return {std::nullopt, dialog->editing()};
}

}  // namespace ztv::editor
