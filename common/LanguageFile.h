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
    // Stored vocabulary is line n: the whole text, case-sensitively; an empty line matches
    // nothing.
    bool isLine(const QString& stored, int n) const;
    int lineCount() const { return int(lines_.size()); }
    bool isEmpty() const { return lines_.isEmpty(); }

  private:
    QStringList lines_;
};

}  // namespace ztv
