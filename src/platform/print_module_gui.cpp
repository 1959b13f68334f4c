// The print module: the print dialog and print jobs of Qt's print support. Built as
// narabitouch-print.so and loaded by the program the first time it prints.

#include "platform/print_module_gui.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace {

class QtPrinter : public platform::Printer {
  public:
    QtPrinter() : printer_(QPrinter::HighResolution) {}
    QPrinter& printer() { return printer_; }

    QString name() const override {
        if (printer_.outputFormat() == QPrinter::PdfFormat) return printer_.outputFileName();
        return printer_.printerName();
    }

    bool printPages(int pageCount, const platform::DrawPage& drawPage) override {
        if (pageCount <= 0) return true;
        QPainter painter;
        if (!painter.begin(&printer_)) return false;
        const QRectF page(QPointF(0, 0),
                          printer_.pageLayout().paintRectPixels(printer_.resolution()).size());
        for (int i = 0; i < pageCount; ++i) {
            if (i > 0 && !printer_.newPage()) {
                painter.end();
                return false;
            }
            drawPage(painter, page, i);
        }
        return painter.end();
    }

  private:
    QPrinter printer_;
};

class QtPrintModule : public platform::PrintModule {
  public:
    std::unique_ptr<platform::Printer> askUser(QWidget* parent) override {
        auto printer = std::make_unique<QtPrinter>();
        QPrintDialog dialog(&printer->printer(), parent);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        if (dialog.exec() != QDialog::Accepted) return nullptr;
        return printer;
    }

    std::unique_ptr<platform::Printer> pdfFile(const QString& path) override {
        auto printer = std::make_unique<QtPrinter>();
        printer->printer().setOutputFormat(QPrinter::PdfFormat);
        printer->printer().setOutputFileName(path);
        return printer;
    }
};

}  // namespace

extern "C" Q_DECL_EXPORT platform::PrintModule* narabiPrintModule(int version) {
    static QtPrintModule module;
    return version == platform::kPrintModuleVersion ? &module : nullptr;
}
