#pragma once

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <optional>

#include "platform/printer_gui.h"

// A stand-in for the print dialog: like it a modal window over the window that asked,
// with "印刷" (the default button: a PDF file at `pdfPath`) and "キャンセル". `onShown`
// runs once it is up, to answer it from a test; the monkey answers it like any window.
inline platform::PrinterChoice printDialogStandIn(const QString& pdfPath,
                                                  std::function<void(QDialog&)> onShown = {}) {
    return [pdfPath, onShown](QWidget* parent) -> std::optional<QString> {
        QDialog dialog(parent);
        dialog.setObjectName(QStringLiteral("printDialogStandIn"));
        dialog.setWindowTitle(QStringLiteral("印刷"));
        auto* layout = new QHBoxLayout(&dialog);
        auto* print = new QPushButton(QStringLiteral("印刷"), &dialog);
        auto* cancel = new QPushButton(QStringLiteral("キャンセル"), &dialog);
        print->setObjectName(QStringLiteral("print"));
        cancel->setObjectName(QStringLiteral("cancel"));
        print->setDefault(true);
        layout->addWidget(print);
        layout->addWidget(cancel);
        QObject::connect(print, &QPushButton::clicked, &dialog, &QDialog::accept);
        QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
        if (onShown) QTimer::singleShot(0, &dialog, [&dialog, onShown] { onShown(dialog); });
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return pdfPath;
    };
}
