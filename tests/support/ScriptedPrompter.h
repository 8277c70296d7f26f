#pragma once

#include "common/platform/Prompter.h"

#include <QList>
#include <QQueue>
#include <QString>

namespace ztv::test {

// Answers questions from a script and records what was asked. An unscripted question gets
// Cancel (or an empty path), so a test never blocks.
class ScriptedPrompter : public Prompter {
  public:
    struct Asked {
        QString text;
        QString caption;
        Buttons buttons;
        bool information = false;  // told through inform()
    };

    void answer(int a) { answers_.enqueue(a); }
    void choosePath(const QString& hostPath) { paths_.enqueue(hostPath); }

    int ask(const QString& text, const QString& caption, Buttons buttons) override;
    void inform(const QString& text, const QString& caption) override;
    QString openFileName(const QString& caption, const QString& dirHost,
                         const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& dirHost,
                         const QString& filter) override;
    QString folderName(const QString& caption, const QString& dirHost) override;

    const QList<Asked>& asked() const { return asked_; }
    QStringList texts() const;
    // Folder and filter of the last file or folder chooser.
    QString lastDir;
    QString lastFilter;

  private:
    QString nextPath(const QString& caption, const QString& dirHost, const QString& filter);
    QQueue<int> answers_;
    QQueue<QString> paths_;
    QList<Asked> asked_;
};

}  // namespace ztv::test
