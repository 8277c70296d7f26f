#pragma once

#include <QString>
#include <QStringList>

namespace ztv {

// A language file: line n holds "n,text"; look-ups go by position, never by the number.
class LanguageFile {
  public:
    bool load(const QString& hostPath);
    // Everything after the first comma of line n; empty when the line is missing or has none.
    QString text(int n) const;
    // Line n as a message to show: its text, or when it has none a fixed text that names the
    // line and the file, so that a missing or damaged language file never shows an empty box.
    QString message(int n) const;
    // Stored vocabulary is line n: the whole text, case-sensitively; an empty line matches
    // nothing.
    bool isLine(const QString& stored, int n) const;
    int lineCount() const { return int(lines_.size()); }
    bool isEmpty() const { return lines_.isEmpty(); }

  private:
    QString path_;
    QStringList lines_;
};

}  // namespace ztv
