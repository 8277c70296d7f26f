#include "player/ui/QtPrinterService.h"

#include <QPrintDialog>
#include <QPrinterInfo>

namespace ztv {

int QtPrinterService::chooseCopies() {
    QPrintDialog dialog(&chosen_, parent_);
    if (dialog.exec() != QDialog::Accepted) {
        return 0;
    }
    return std::max(1, chosen_.copyCount());
}

// One copy per document: the copies are documents of their own.
std::unique_ptr<QPagedPaintDevice> QtPrinterService::newDocument() {
    if (chosen_.printerName().isEmpty() && QPrinterInfo::defaultPrinter().isNull()) {
        return nullptr;
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!chosen_.printerName().isEmpty()) {
        printer->setPrinterName(chosen_.printerName());
        printer->setPageLayout(chosen_.pageLayout());
    }
    printer->setCopyCount(1);
    return printer;
}

}  // namespace ztv
