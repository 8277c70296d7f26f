#pragma once

#include <QString>
#include <QStringList>

namespace ztv {

// Every blocking question (message boxes, file and folder choosers) goes through this
// interface, so tests answer from a script and never block on a modal window.
class Prompter {
  public:
    // YesNoCancelUnasked: a Yes/No/Cancel question the author did not ask for (it arrives from
    // outside, over whatever they are doing): Cancel, which keeps everything as it is, is its
    // default answer, and it ignores clicks for a moment after it appears.
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, YesNoCancelUnasked };
    // The answers keep the values the system's callers compare with.
    enum Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

    virtual ~Prompter() = default;

    virtual int ask(const QString& text, const QString& caption, Buttons buttons) = 0;
    void message(const QString& text, const QString& caption = {}) {
        ask(text, caption, Buttons::Ok);
    }
    // A success told: a message that shows the sign of information instead of a warning.
    virtual void inform(const QString& text, const QString& caption = {}) {
        message(text, caption);
    }

    // Host paths; empty when cancelled. filter uses Qt's "Label (*.a *.b);;..." form.
    virtual QString openFileName(const QString& caption, const QString& dirHost,
                                 const QString& filter) = 0;
    // Several files at once, in the order the chooser gives them; a chooser of one file
    // stands in where there is no other.
    virtual QStringList openFileNames(const QString& caption, const QString& dirHost,
                                      const QString& filter) {
        const QString one = openFileName(caption, dirHost, filter);
        return one.isEmpty() ? QStringList() : QStringList{one};
    }
    virtual QString saveFileName(const QString& caption, const QString& dirHost,
                                 const QString& filter) = 0;
    virtual QString folderName(const QString& caption, const QString& dirHost) = 0;
};

// For runs with no one to choose a file or folder: every chooser is cancelled.
class ChooserlessPrompter : public Prompter {
  public:
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString folderName(const QString&, const QString&) override { return {}; }
};

}  // namespace ztv
