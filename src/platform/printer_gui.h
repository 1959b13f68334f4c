#pragma once

#include <QRectF>
#include <functional>
#include <memory>

class QPainter;
class QPrinter;
class QWidget;

namespace platform {

// The printer. Printing asks once through the print dialog, which on Linux lists the CUPS
// printers and always offers printing to a PDF file. Tests replace the dialog by a printer
// of their own (a PDF file), so they run without a dialog.
using PrinterChoice = std::function<std::unique_ptr<QPrinter>(QWidget* parent)>;
// Installs a replacement for the dialog; an empty function restores the dialog.
void setPrinterChoice(PrinterChoice choice);

// Asks where to print. Returns nullptr when the user cancels.
std::unique_ptr<QPrinter> choosePrinter(QWidget* parent);

// Prints pageCount pages as one job: drawPage paints page i (0-based) on the painter, in
// device pixels, inside `page` (the printable area). Returns false when the printer cannot
// start a job or a page; a message naming the printer has been shown then.
bool printPages(
    QPrinter& printer, int pageCount,
    const std::function<void(QPainter& painter, const QRectF& page, int index)>& drawPage);

}  // namespace platform
