#pragma once

#include "editor/widgets/TiledDialog.h"

#include <QList>

class QLineEdit;

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;

// The tool settings dialog: the paths of the outside programs (zentrovale.ini lines 0 to 4 and
// 13). Only the browse buttons store a path, at once, into the settings lines; the file itself
// is written at the next save of the settings. Controls: EditRet, EditScan, EditSons,
// EditVideo, EditMont, EditText with BtChoixRet, BtChoixSca, BtChoixSon, BtChoixVid,
// BtChoixMon, BtEditeur, each with a clear button (its name + "Clear"); BSortir closes.
class ToolSettingsDialog : public TiledDialog {
    Q_OBJECT
  public:
    ToolSettingsDialog(SessionSettings& state, Prompter& prompter, QWidget* parent = nullptr);

    // The browse button of settings line `line`.
    void browseTool(int line);
    // The clear button: the line goes back to "$" (no program).
    void clearTool(int line);

  private:
    void showPath(int line, const QString& path);
    struct Tool {
        int line;
        QLineEdit* edit;
    };
    SessionSettings& state_;
    Prompter& prompter_;
    QList<Tool> tools_;
};

}  // namespace ztv::editor
