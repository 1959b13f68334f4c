#pragma once

#include <QRectF>
#include <QString>
#include <functional>
#include <memory>

class QPainter;
class QWidget;

// What the program asks of its print module (narabitouch-print.so, which alone links Qt's
// print support). The module is built with the program: nothing here is a stable interface,
// the version below only keeps a stray older file from being used.

namespace platform {

inline constexpr int kPrintModuleVersion = 1;
inline const QString kPrintModuleFile = QStringLiteral("narabitouch-print.so");
// extern "C" PrintModule* narabiPrintModule(int version): nullptr for another version.
inline constexpr char kPrintModuleEntry[] = "narabiPrintModule";

// Paints page `index` (0-based) on the painter, in device pixels, inside `page` (the
// printable area).
using DrawPage = std::function<void(QPainter& painter, const QRectF& page, int index)>;

// A printer the user has chosen.
class Printer {
  public:
    virtual ~Printer() = default;
    // The printer's name, or the file for a printer that writes a PDF file.
    virtual QString name() const = 0;
    // Prints pageCount pages as one job; false when a job or a page cannot be started.
    virtual bool printPages(int pageCount, const DrawPage& drawPage) = 0;
};

class PrintModule {
  public:
    virtual ~PrintModule() = default;
    // The print dialog over `parent` (CUPS printers and a PDF file); nullptr if cancelled.
    virtual std::unique_ptr<Printer> askUser(QWidget* parent) = 0;
    virtual std::unique_ptr<Printer> pdfFile(const QString& path) = 0;
};

}  // namespace platform
