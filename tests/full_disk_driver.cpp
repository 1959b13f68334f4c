// The real program, driven through one drill by objectName, for scripts/full_disk.sh:
//   full_disk_driver <program folder> <screenshot folder>
// Signs in the first student, plays level 1 (the cards in ascending order), takes the
// message boxes (printed as "box: <text>", line ends as "|"), goes back to the menu and to
// the name selection, and ends the program there. Saves the screen at each step.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "app/program_gui.h"

namespace {

QString g_shots;
int g_shot = 0;
bool g_pressing = false;  // a problem's presses are under way

void shoot(const char* what) {
    const QString path = QStringLiteral("%1/%2-%3.png")
                             .arg(g_shots)
                             .arg(++g_shot, 2, 10, QLatin1Char('0'))
                             .arg(QLatin1String(what));
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    std::printf("shot: %s\n", path.toUtf8().constData());
    std::fflush(stdout);
}

template <class T>
T* shown(const QString& name) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible()) continue;
        if (T* w = top->findChild<T*>(name); w && w->isVisible()) return w;
    }
    return nullptr;
}

void press(QWidget* w) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent down(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(w, &down);
}

// One step of the drive; each timer tick does what the screen in front asks for.
void step() {
    static int phase = 0;  // 0 name list, 1 home, 2 drill/end, 3 home again, 4 name list
    static int ticks = 0;
    ++ticks;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box || !box->isVisible()) continue;
        if (ticks < 3) return;  // painted first
        QString text = box->text();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("|"));
        std::printf("box: %s\n", text.toUtf8().constData());
        shoot("message");
        ticks = 0;
        if (QAbstractButton* ok = box->defaultButton())
            ok->click();
        else
            box->accept();
        return;
    }
    if (ticks < 8) return;  // let each screen settle and paint
    if (auto* list = shown<QListWidget>(QStringLiteral("List1")); list && phase == 0) {
        shoot("names");
        list->setCurrentRow(1);
        if (auto* ok = shown<QPushButton>(QStringLiteral("Command14"))) ok->click();
        phase = 1;
    } else if (auto* start = shown<QPushButton>(QStringLiteral("Command4_1"));
               start && (phase == 1 || phase == 3)) {
        shoot(phase == 1 ? "home" : "home-after");
        if (phase == 1) {
            start->click();
            phase = 2;
        } else if (auto* back = shown<QPushButton>(QStringLiteral("Command1"))) {
            back->click();
            phase = 4;
        }
    } else if (auto* card = shown<QLabel>(QStringLiteral("Label1_1")); card && phase == 2) {
        if (g_pressing) return;
        QList<QLabel*> found;
        for (int i = 1; i <= 10; ++i) found << shown<QLabel>(QStringLiteral("Label1_%1").arg(i));
        if (found.contains(nullptr)) return;
        std::sort(found.begin(), found.end(),
                  [](QLabel* a, QLabel* b) { return a->text().toInt() < b->text().toInt(); });
        QList<QPointer<QLabel>> cards(found.begin(), found.end());
        // Pressed from a call of its own: the last press may open a message box, whose loop
        // must let this timer run again.
        g_pressing = true;
        QTimer::singleShot(0, [cards] {
            for (const QPointer<QLabel>& c : cards)
                if (c) press(c);
            g_pressing = false;
        });
    } else if (auto* menu = shown<QPushButton>(QStringLiteral("Command4")); menu && phase == 2) {
        shoot("end-screen");
        menu->click();
        phase = 3;
    } else if (shown<QListWidget>(QStringLiteral("List1")) && phase == 4) {
        shoot("names-after");
        if (auto* end = shown<QPushButton>(QStringLiteral("Command7"))) end->click();
        phase = 5;
    }
    ticks = 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: full_disk_driver <program folder> <screenshot folder>\n");
        return 2;
    }
    g_shots = QString::fromLocal8Bit(argv[2]);
    return runProgram(argc, argv, QString::fromLocal8Bit(argv[1]), [] {
        auto* drive = new QTimer(qApp);
        QObject::connect(drive, &QTimer::timeout, [] { step(); });
        drive->start(150);
    });
}
