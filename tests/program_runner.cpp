// The real program (the same runProgram as its main) for whole-program tests that need the
// real window layer, message boxes and end of the program:
//   program_runner <program folder>
// Every message box is dismissed with its default button a moment after it comes up; its
// text is printed on stdout first, one line "box: <text>" each (line ends as "|").
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "app/program_gui.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: program_runner <program folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    return runProgram(argc, argv, folder, [] {
        auto* dismiss = new QTimer(qApp);
        QObject::connect(dismiss, &QTimer::timeout, [] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (!box || !box->isVisible()) continue;
                QString text = box->text();
                text.replace(QStringLiteral("\r\n"), QStringLiteral("|"));
                std::printf("box: %s\n", text.toUtf8().constData());
                std::fflush(stdout);
                if (QAbstractButton* ok = box->defaultButton())
                    ok->click();
                else
                    box->accept();
            }
        });
        dismiss->start(100);
    });
}
