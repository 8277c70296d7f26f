#pragma once

#include <QString>
#include <QStringList>

namespace ztv {

// A text file of numbered lines (settings files, zentrovale.ini): lines are addressed from 0,
// a missing line reads as the empty text, "$" means not set.
class NumberedLines {
  public:
    NumberedLines() = default;
    explicit NumberedLines(QStringList lines) : lines_(std::move(lines)) {}

    bool load(const QString& hostPath);
    bool save(const QString& hostPath, QString* error = nullptr) const;

    QString line(int n) const { return n >= 0 && n < lines_.size() ? lines_[n] : QString(); }
    // Setting a line past the end adds "$" lines up to it.
    void setLine(int n, const QString& text);
    int count() const { return int(lines_.size()); }
    const QStringList& lines() const { return lines_; }

  private:
    QStringList lines_;
};

}  // namespace ztv
