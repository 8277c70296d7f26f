#pragma once

#include "editor/document/ProjectParameters.h"
#include "editor/widgets/TiledDialog.h"

#include <QColor>
#include <functional>
#include <optional>

class QCheckBox;
class QLineEdit;
class QFrame;

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;

// The project parameters dialog. OK hands the values to `apply`, which answers 0 when they were
// written or the line of a refusal message; after a refusal the dialog stays. There is no
// Cancel: the close box leaves without writing. Controls: Edit1 to Edit3, CheckBoxTransp,
// CheckPlein, CheckBox4, CheckCache, PaintCache (the mask colour swatch), BitBtn1 (OK).
class ProjectParametersDialog : public TiledDialog {
    Q_OBJECT
  public:
    using Apply = std::function<int(const ProjectParameters&)>;
    using ColourChooser = std::function<std::optional<QColor>(const QColor&)>;

    ProjectParametersDialog(const SessionSettings& state, Prompter& prompter,
                            const ProjectParameters& values, Apply apply,
                            QWidget* parent = nullptr);

    ProjectParameters values() const;
    // The platform's colour dialog unless replaced.
    void setColourChooser(ColourChooser chooser) { chooseColour_ = std::move(chooser); }
    void chooseMaskColour();
    void confirm();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void paintSwatch();

    const SessionSettings& state_;
    Prompter& prompter_;
    Apply apply_;
    ColourChooser chooseColour_;
    std::uint32_t maskColour_ = 0;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
    QLineEdit* firstPage_ = nullptr;
    QCheckBox* transparent_ = nullptr;
    QCheckBox* fullScreen_ = nullptr;
    QCheckBox* screenSaver_ = nullptr;
    QCheckBox* masked_ = nullptr;
    QFrame* swatch_ = nullptr;
};

}  // namespace ztv::editor
