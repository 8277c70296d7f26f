#pragma once

#include <QPagedPaintDevice>
#include <memory>

namespace ztv {

// The printer the player prints on: the system's printers in the programs, PDF files in
// tests. Each document is painted on the device newDocument answers and is printed when the
// device is released.
class PrinterService {
  public:
    virtual ~PrinterService() = default;
    // The print dialog: the number of copies the user asked for, 0 when cancelled.
    virtual int chooseCopies() = 0;
    // A new document on the chosen printer (the default one when none was chosen); null when
    // there is no printer.
    virtual std::unique_ptr<QPagedPaintDevice> newDocument() = 0;
};

}  // namespace ztv
