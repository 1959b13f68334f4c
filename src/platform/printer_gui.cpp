#include "platform/printer_gui.h"

#include "platform/messages.h"
#include "platform/modules.h"

namespace platform {

namespace {

PrinterChoice& replacement() {
    static PrinterChoice choice;
    return choice;
}

// The print module, loaded by the first print; nullptr after a message saying why not.
PrintModule* printModule() {
    QString error;
    PrintModule* module = loadModuleObject<PrintModule>(kPrintModuleFile, kPrintModuleEntry,
                                                        kPrintModuleVersion, &error);
    if (!module)
        msgBox(QStringLiteral("印刷の部品を読み込めないため、印刷できません。\r\n") + error);
    return module;
}

}  // namespace

void setPrinterChoice(PrinterChoice choice) {
    replacement() = std::move(choice);
}

std::unique_ptr<Printer> choosePrinter(QWidget* parent) {
    if (replacement()) {
        const std::optional<QString> pdf = replacement()(parent);
        return pdf ? pdfPrinter(*pdf) : nullptr;
    }
    PrintModule* module = printModule();
    return module ? module->askUser(parent) : nullptr;
}

std::unique_ptr<Printer> pdfPrinter(const QString& path) {
    PrintModule* module = printModule();
    return module ? module->pdfFile(path) : nullptr;
}

bool printPages(Printer& printer, int pageCount, const DrawPage& drawPage) {
    if (printer.printPages(pageCount, drawPage)) return true;
    msgBox(QStringLiteral("印刷できませんでした\r\n") + printer.name());
    return false;
}

}  // namespace platform
