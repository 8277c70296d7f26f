#pragma once

#include "common/formats/LongTextDocument.h"
#include "editor/dialogs/ElementDialog.h"
#include "editor/document/LongTextFields.h"

#include <QSize>
#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;
class QTextEdit;

namespace ztv::editor {

// The long-text dialog (row 61): a text file (".TXT", ".RTF", ".HTM" or ".HTML") placed in a
// rectangle, with a border or not, a background colour, and for plain texts a font and a text
// colour. The file shows in the dialog as the page will show it: a plain or rich text in a box
// with a vertical scroll bar, a page in a browser; each kind shows the controls that act on it.
class LongTextDialog : public ElementDialog {
    Q_OBJECT
  public:
    using Kind = LongTextDocument::Kind;

    LongTextDialog(SessionSettings& settings, Prompter& prompter, Storyboard& storyboard,
                   bool hasElement, QWidget* parent = nullptr);

    // The kind the file edit names; a plain text while it names none.
    Kind shownKind() const;
    // The browse button.
    void chooseFile();
    // The font labels: the font dialog on the remembered font.
    void chooseFont();
    // The swatches: 0 the text colour, 1 the background colour.
    void chooseSwatchColour(int swatch);
    // "Texte": the text editor of the settings, on the file.
    void startTextEditor();

  protected:
    void fillLists() override;
    void setNewDefaults() override;
    void showRecord(const ElementRecord& record) override;
    void afterActivate() override;
    bool fillRecord(ElementRecord& record, QString& cellText) override;
    QString helpPage(bool french) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static constexpr QSize kTextBox{320, 240};

    void buildFileGroup();
    void buildLookGroup();
    void buildPositionGroup();
    void buildButtons();
    void showRect(const QRect& rect);
    void showFontLabels();
    void paintSwatches();
    void applyKindControls(Kind kind);
    void applyBoxLook();
    // Shows the file the edit names in the box of its kind; false, after the message, when it
    // is on no drive or cannot be read.
    bool showFile();
    void takeTypedFile();
    bool readFields(LongTextFields& fields);

    bool shownFile_ = false;  // the box holds the file's text

    QLineEdit* edit1_ = nullptr;
    QPushButton* browse_ = nullptr;
    std::array<QLabel*, 3> fontLabels_{};
    QLabel* hint_ = nullptr;
    std::array<QFrame*, 2> swatches_{};
    QLabel* backgroundLabel_ = nullptr;
    QCheckBox* border_ = nullptr;
    std::array<QLineEdit*, 4> rect_{};
    QTextEdit* richEdit_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    LongTextDocument* richText_ = nullptr;  // what the two boxes show
    LongTextDocument* page_ = nullptr;
};

}  // namespace ztv::editor
