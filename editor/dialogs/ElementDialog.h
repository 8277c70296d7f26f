#pragma once

#include "common/formats/ActionModel.h"
#include "common/formats/ElementRecord.h"
#include "common/formats/LangLines.h"
#include "editor/dialogs/CellEdit.h"
#include "editor/dialogs/OutsideTool.h"
#include "editor/position/CellRecords.h"
#include "editor/widgets/EditorPictures.h"
#include "editor/widgets/TiledDialog.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>

class QCheckBox;
class QHBoxLayout;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;
class Storyboard;

// What every element dialog shares: it edits the storyboard's current cell (hasElement: the
// cell holds an element), loads the cell's record on activation, and on OK writes the record
// into the .ACT file (find-or-append, undo snapshot first), keeps what it wrote as its edit and
// returns 6; the preview write puts it into the .JOU file. A write that fails keeps the dialog
// open with what the author typed. The dialogs of each kind add their controls and say how they
// load and fill a record.
class ElementDialog : public TiledDialog {
    Q_OBJECT
  public:
    ElementDialog(SessionSettings& settings, Prompter& prompter, Storyboard& storyboard,
                  bool hasElement, QWidget* parent = nullptr);

    int row() const { return row_; }
    int column() const { return column_; }
    bool editing() const { return existing_; }
    int actIndex() const { return actIndex_; }
    // The .JOU record the last preview write left the element at; -1 when none.
    int previewedJouIndex() const { return previewedJouIndex_; }
    // What OK wrote; nothing until then.
    const std::optional<CellEdit>& edit() const { return edit_; }
    // The colours the dialogs remember while the editor runs: the dialog starts from the
    // session's, and its caller keeps what the dialog leaves them at, after OK or cancel.
    const std::array<QColor, 3>& rememberedColours() const { return colours_; }

    // Lists, default rectangles, then the cell's record or the new element's
    // defaults. Runs when the dialog is first shown, before it is on screen: a message it gives
    // (a picture that cannot be loaded) must not interrupt the showing, which would leave the
    // dialog at the size it had before its layout.
    void loadCell();
    void setVisible(bool visible) override;
    // OK: writes the record into the .ACT file and closes the dialog with the edit.
    void writeAndClose();
    // Writes the record into the .JOU file only, for the previews; false after a message.
    bool writePreview();
    // "Positionnement visuel" (preview false) and "Prévisualiser" (true): the preview write, then
    // the position editor; kept positions reload the dialog from the page.
    void positionElement(bool preview);
    // F1 and the help button: the dialog's help page in the browser.
    void showHelp();
    QString helpPath() const;

    // Starts an outside program; tests replace it.
    ProgramStarter startProgram = detachedStarter();

  protected:
    virtual void fillLists() {}
    virtual void setNewDefaults() = 0;
    virtual void showRecord(const ElementRecord& record) = 0;
    virtual void afterActivate() {}
    // Validates the controls and fills the record's fields and the cell text; false after a
    // message, with nothing written.
    virtual bool fillRecord(ElementRecord& record, QString& cellText) = 0;
    // The help page's name under the French or the English help folder.
    virtual QString helpPage(bool french) const = 0;
    // Runs after OK has written the record (the next-disappearance propagation of some kinds).
    virtual void afterSave(const ElementRecord&) {}

    void keyPressEvent(QKeyEvent* event) override;

    // --- shared routines ---
    // A button of the dialog's bottom row: its form's object name and caption line.
    struct RowButton {
        const char* name;
        int line;
    };
    struct ButtonRow {
        QHBoxLayout* layout;
        QList<QPushButton*> tools;
        QPushButton* position;
        QPushButton* preview;  // null when the kind has none
        QPushButton* help;
    };
    // The bottom row: the kind's tools, "Positionnement visuel", "Prévisualiser" when the kind
    // has one, then OK (the default), Cancel and help under its form's name. Every button but
    // the tools is connected; the caller places the row and connects the tools.
    ButtonRow makeButtonRow(std::initializer_list<RowButton> tools, bool withPreview,
                            const char* helpName);
    void fillFromLines(QComboBox* list, std::span<const lang::LineRange> ranges) const;
    void fillActionList(QComboBox* list) const;
    void fillTransitionList(QComboBox* list) const;

    // The transition option (`size`) of an effect from the bands edit or the stretch box.
    bool transitionOption(const QString& effect, QLineEdit* bands, QCheckBox* stretch, int* size);
    void showTransitionOption(const QString& effect, QLabel* bandsLabel, QLineEdit* bands,
                              QCheckBox* stretch, int storedSize) const;
    // The parameter edits and browse buttons that the action needs.
    void showActionParameters(const QString& action, QLineEdit* first, QPushButton* firstBrowse,
                              QLineEdit* second, QPushButton* secondBrowse) const;
    void browseFirstParameter(const QString& action, QLineEdit* edit);
    void browseSecondParameter(const QString& action, QLineEdit* edit);

    // Integer and wait conversions: a text that is no number shows the conversion message and
    // gives false. The wait accepts a point where the locale wants a comma, and shows the
    // corrected text.
    bool readInteger(QLineEdit* edit, int* value);
    bool readInteger(const QString& text, QWidget* focus, int* value);
    bool readAttente(QLineEdit* edit, double* value);
    // A chosen host path as records store it: its Windows path without the drive; empty, after
    // a message, when it cannot be stored (characters outside Windows-1252, too long).
    QString storedPath(const QString& hostPath);
    // The stored form of what a path field holds (PathField); false, after a message and with
    // the focus on the field, when it cannot be stored.
    bool readStoredPath(QLineEdit* edit, QString* stored);
    // Shows the page chooser; the chosen page number, 0 when none.
    std::function<int()> choosePage;
    // The outside program of a settings line (the tool settings open first when it has none),
    // started on the file a path field names, or alone when there is none (mediaFile null or
    // empty).
    void startTool(int settingsLine, QLineEdit* mediaFile);

    bool isLine(const QString& text, int line) const;
    // The action the action list's text names. A list that shows no entry (a stored action
    // this language does not name) is taken as an unknown action, which takes parameters.
    ActionKind listedAction(const QString& action) const;
    QString text(int line) const;

    SessionSettings& state_;
    Prompter& prompter_;
    Storyboard& storyboard_;
    CellRecords records_;
    EditorPictures pictures_;
    std::array<QColor, 3> colours_;
    int row_ = 0;
    int column_ = 0;
    bool existing_ = false;
    int actIndex_ = 0;
    int previewedJouIndex_ = -1;
    bool activated_ = false;
    std::optional<CellEdit> edit_;

  private:
    bool buildRecord(ElementRecord& record, QString& cellText);
};

}  // namespace ztv::editor
