#pragma once

namespace ztv {
class DesktopShell;
}

namespace ztv::editor {

struct WindowServices;

// The build command (Crerexecutable1, BCreerAppli): a current page is needed; unsaved changes
// are offered to be saved first (the build reads the saved project); then the wizard and, when
// it is confirmed, the build window. The shell starts the built application when asked to.
void buildApplication(const WindowServices& window, DesktopShell& shell);

}  // namespace ztv::editor
