#pragma once

#include <QDialog>

namespace ztv {

class LanguageFile;

// The screen saver's configuration window: what it shows and where to change it, and OK.
class ScreenSaverSettingsWindow : public QDialog {
    Q_OBJECT
  public:
    explicit ScreenSaverSettingsWindow(const LanguageFile& language, QWidget* parent = nullptr);
};

}  // namespace ztv
