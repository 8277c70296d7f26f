#include "common/formats/ActionModel.h"

#include "common/formats/ElementRecord.h"
#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"

#include <array>
#include <utility>

namespace ztv {
namespace {

using K = ActionKind;

constexpr std::array<std::pair<ActionKind, int>, 18> kActionLines{{
    {K::None, lang::ActionNone},
    {K::GoToPage, lang::ActionGoToPage},
    {K::GoToColumn, lang::ActionGoToColumn},
    {K::GoToPageAndColumn, lang::ActionGoToPageAndColumn},
    {K::OpenFile, lang::ActionOpenFile},
    {K::OpenDocumentWith, lang::ActionOpenDocumentWith},
    {K::OpenAddress, lang::ActionOpenAddress},
    {K::PrintScreen, lang::ActionPrintScreen},
    {K::PrintTextFile, lang::ActionPrintTextFile},
    {K::ToggleVideo, lang::ActionToggleVideo},
    {K::ToggleSound, lang::ActionToggleSound},
    {K::Quit, lang::ActionQuit},
    {K::OpenWithParameters, lang::ActionOpenWithParameters},
    {K::StartApplication, lang::ActionStartApplication},
    {K::RunAndWait, lang::ActionRunAndWait},
    {K::OpenProject, lang::ActionOpenProject},
    {K::OpenWithParametersOnDrives, lang::ActionOpenWithParametersOnDrives},
    {K::PrintTextThenGoToPage, lang::ActionPrintTextThenGoToPage},
}};

}  // namespace

ActionKind actionKind(const QString& acte, const LanguageFile& language) {
    if (acte.isEmpty()) {
        return K::None;
    }
    for (const auto& [kind, line] : kActionLines) {
        if (acte == language.text(line)) {
            return kind;
        }
    }
    return K::Unknown;
}

Action actionOf(const ElementRecord& record, const LanguageFile& language) {
    return Action{actionKind(record.Acte, language), record.Destination, record.Destin2};
}

int fileParameterCount(ActionKind kind) {
    switch (kind) {
        case K::OpenDocumentWith:
            return 2;
        case K::OpenFile:
        case K::PrintTextFile:
        case K::OpenWithParameters:
        case K::OpenWithParametersOnDrives:
        case K::PrintTextThenGoToPage:  // its second parameter is a page number
            return 1;
        default:
            return 0;
    }
}

int actionLine(ActionKind kind) {
    for (const auto& [k, line] : kActionLines) {
        if (k == kind) {
            return line;
        }
    }
    return -1;
}

}  // namespace ztv
