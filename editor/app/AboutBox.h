#pragma once

#include <QDialog>

namespace ztv::editor {

struct SessionSettings;

// The about box: the program's name and a few words, on its own panel colour.
class AboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(const SessionSettings& state, QWidget* parent = nullptr);
};

}  // namespace ztv::editor
