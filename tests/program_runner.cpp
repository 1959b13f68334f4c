// The real program (the same runProgram as its main) for whole-program tests that need the
// real window layer, message boxes and end of the program:
//   program_runner <program folder> [control ...]
// Every message box is dismissed with its default button a moment after it comes up; its
// text is printed on stdout first, one line "box: <text>" each (line ends as "|"). The
// controls named (objectNames of buttons) are clicked one after another, each once it is
// visible and enabled in the active screen.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <cstdio>

#include "app/program_gui.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: program_runner <program folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QStringList clicks;
    for (int i = 2; i < argc; ++i) clicks << QString::fromLocal8Bit(argv[i]);
    return runProgram(argc, argv, folder, [clicks] {
        auto* clicker = new QTimer(qApp);
        QObject::connect(clicker, &QTimer::timeout, [clicks, clicker]() mutable {
            if (clicks.isEmpty()) {
                clicker->stop();
                return;
            }
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (!w->isVisible()) continue;
                auto* button = w->findChild<QAbstractButton*>(clicks.first());
                if (!button || !button->isVisible() || !button->isEnabled()) continue;
                std::printf("click: %s\n", clicks.takeFirst().toUtf8().constData());
                std::fflush(stdout);
                button->click();
                return;
            }
        });
        clicker->start(300);
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
