#include "platform/printer_gui.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/messages.h"

namespace platform {

namespace {

PrinterChoice& replacement() {
    static PrinterChoice choice;
    return choice;
}

QString printerText(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) return printer.outputFileName();
    return printer.printerName();
}

void reportFailure(const QPrinter& printer) {
    msgBox(QStringLiteral("印刷できませんでした\r\n") + printerText(printer));
}

}  // namespace

void setPrinterChoice(PrinterChoice choice) {
    replacement() = std::move(choice);
}

std::unique_ptr<QPrinter> choosePrinter(QWidget* parent) {
    if (replacement()) return replacement()(parent);
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    return printer;
}

bool printPages(
    QPrinter& printer, int pageCount,
    const std::function<void(QPainter& painter, const QRectF& page, int index)>& drawPage) {
    if (pageCount <= 0) return true;
    QPainter painter;
    if (!painter.begin(&printer)) {
        reportFailure(printer);
        return false;
    }
    const QRectF page(QPointF(0, 0),
                      printer.pageLayout().paintRectPixels(printer.resolution()).size());
    for (int i = 0; i < pageCount; ++i) {
        if (i > 0 && !printer.newPage()) {
            painter.end();
            reportFailure(printer);
            return false;
        }
        drawPage(painter, page, i);
    }
    if (!painter.end()) {
        reportFailure(printer);
        return false;
    }
    return true;
}

}  // namespace platform
