#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "platform/print_module_gui.h"

class QWidget;

namespace platform {

// The printer. Printing asks once through the print dialog, which on Linux lists the CUPS
// printers and always offers printing to a PDF file. Tests replace the dialog by one of
// their own, which answers the PDF file to print into, or nothing for a cancel.
using PrinterChoice = std::function<std::optional<QString>(QWidget* parent)>;
// Installs a replacement for the dialog; an empty function restores the dialog.
void setPrinterChoice(PrinterChoice choice);

// Asks where to print. Returns nullptr when the user cancels, or when the print module
// cannot be loaded (a message naming it has been shown then).
std::unique_ptr<Printer> choosePrinter(QWidget* parent);
// A printer writing the PDF file `path`; nullptr (and a message) as above.
std::unique_ptr<Printer> pdfPrinter(const QString& path);

// Prints pageCount pages as one job: drawPage paints page i (0-based) on the painter, in
// device pixels, inside `page` (the printable area). Returns false when the printer cannot
// start a job or a page; a message naming the printer has been shown then.
bool printPages(Printer& printer, int pageCount, const DrawPage& drawPage);

}  // namespace platform
