#pragma once

#include "common/platform/PrinterService.h"

#include <QPrinter>
#include <memory>

class QWidget;

namespace ztv {

// The system's printers: the print dialog chooses one and its copies; documents go to the
// chosen printer, or the default one when no dialog was shown.
class QtPrinterService : public PrinterService {
  public:
    explicit QtPrinterService(QWidget* dialogParent = nullptr) : parent_(dialogParent) {}
    int chooseCopies() override;
    std::unique_ptr<QPagedPaintDevice> newDocument() override;

  private:
    QWidget* parent_;
    QPrinter chosen_{QPrinter::HighResolution};
};

}  // namespace ztv
