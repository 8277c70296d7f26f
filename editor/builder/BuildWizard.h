#pragma once

#include "common/builder/BuildOptions.h"
#include "editor/widgets/TiledDialog.h"

class QCheckBox;
class QRadioButton;

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;

// The build wizard: distribution (web, CD-ROM, .ZTVX), autorun file, compression (none,
// global, page by page) and the compressed player. OK creates the output folder beside the
// project and closes with 6. Controls: RadioButton3 (web), RadioButton4 (CD-ROM), RadioZTVX,
// CheckAutorun, CheckPlayComp, RadioButton5 (no compression), RadioGlobal, RadioPage, BitBtn1
// (OK), BitBtn2 (Cancel), BitBtn4 (help).
class BuildWizard : public TiledDialog {
    Q_OBJECT
  public:
    BuildWizard(const SessionSettings& state, Prompter& prompter, QWidget* parent = nullptr);

    const builder::BuildOptions& options() const { return options_; }
    // The output folder OK created.
    const QString& outputFolder() const { return output_; }

    void confirm();
    void chooseSingleFile();
    // Web or CD-ROM: the choices a single-file project takes away come back.
    void chooseFolderBuild();

  private:
    builder::BuildOptions chosen() const;
    // The choices a single .ZTVX file cannot take: the compressed player, no compression and
    // compression page by page.
    void enableMultiFileChoices(bool enabled);

    const SessionSettings& state_;
    Prompter& prompter_;
    builder::BuildOptions options_;
    QString output_;
    QRadioButton* web_ = nullptr;
    QRadioButton* cdRom_ = nullptr;
    QRadioButton* ztvx_ = nullptr;
    QCheckBox* autorun_ = nullptr;
    QCheckBox* compressedPlayer_ = nullptr;
    QRadioButton* noCompression_ = nullptr;
    QRadioButton* global_ = nullptr;
    QRadioButton* perPage_ = nullptr;
};

}  // namespace ztv::editor
