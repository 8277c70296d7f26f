#pragma once

#include <QString>

namespace ztv {

class LanguageFile;

// What an element tells the person watching, in the project's vocabulary.
class ElementMessages {
  public:
    virtual ~ElementMessages() = default;

    virtual void tell(const QString& text) = 0;
    virtual const LanguageFile& language() const = 0;
    // What the message about a picture file that is nowhere starts with, before line 43: the
    // player says "Position 1"; the editor's pictures name their caller.
    const QString& missingPictureLead() const { return missingPictureLead_; }
    void setMissingPictureLead(const QString& lead) { missingPictureLead_ = lead; }

  private:
    QString missingPictureLead_ = QStringLiteral("Position 1");
};

}  // namespace ztv
