#pragma once

#include <QDialog>

namespace ztv {

class LanguageFile;

// The screen saver's configuration window: what it shows and where to change it, and OK.
class TForm2 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm2(const LanguageFile& language, QWidget* parent = nullptr);
};

}  // namespace ztv
