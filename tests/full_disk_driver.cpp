// The real program, driven by objectName, for scripts/full_disk.sh:
//   full_disk_driver <program folder> <screenshot folder> [drill|names]
// "drill" (the default) signs in the first student, plays level 1 (the cards in ascending
// order), takes the message boxes (printed as "box: <text>", line ends as "|"), goes back
// to the home screen and to the name selection, and ends the program there. "names" only
// looks at the name selection and ends the program. The screen is saved at each step, a
// message box also on its own. With FULL_DISK_MIDWAY set, that shell command is run before
// the third problem's presses (a folder made read-only during the drill).
#include <QApplication>
#include <QDir>
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
#include <cstdlib>

#include "app/program_gui.h"

namespace {

// Ticks of the drive a screen or a message box is left to settle and paint.
constexpr int kScreenTicks = 8;
constexpr int kBoxTicks = 4;

struct Drive {
    QString shots;
    bool namesOnly = false;
    int shot = 0;
    int phase = 0;  // 0 name list, 1 home, 2 drill/end, 3 home again, 4 name list, 5 ending
    int ticks = 0;
    int problems = 0;  // problems whose presses were made
    bool pressing = false;
    QPointer<QMessageBox> box;  // the message box being waited for
    int boxTicks = 0;
};

void printLine(const QString& line) {
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

QString shotPath(Drive& d, const char* what) {
    return QStringLiteral("%1/%2-%3.png")
        .arg(d.shots)
        .arg(++d.shot, 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(what));
}

// The whole screen, as a user sees it.
void shoot(Drive& d, const char* what) {
    const QString path = shotPath(d, what);
    const bool saved = QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    printLine((saved ? QStringLiteral("shot: ") : QStringLiteral("shot not saved: ")) + path);
}

template <class T>
T* shown(const QString& name) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible()) continue;
        if (T* w = top->findChild<T*>(name); w && w->isVisible()) return w;
    }
    return nullptr;
}

// The name selection's line about runs kept on this computer, as shown ("line: -" when hidden).
void printPendingLine() {
    const QLabel* line = shown<QLabel>(QStringLiteral("pendingRunsLine"));
    printLine(QStringLiteral("line: ") + (line ? line->text() : QStringLiteral("-")));
}

void press(QWidget* w) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent down(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(w, &down);
}

// A message box in front: printed and saved once it has been painted, then answered with its
// default button.
bool takeMessageBox(Drive& d) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box || !box->isVisible()) continue;
        if (box != d.box) {
            d.box = box;
            d.boxTicks = 0;
        }
        if (++d.boxTicks < kBoxTicks) return true;
        QString text = box->text();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("|"));
        printLine(QStringLiteral("box: ") + text);
        shoot(d, "message");
        const QString own = shotPath(d, "message-box");
        const bool saved = box->grab().save(own);
        printLine((saved ? QStringLiteral("shot: ") : QStringLiteral("shot not saved: ")) + own);
        d.box = nullptr;
        d.ticks = 0;
        if (QAbstractButton* ok = box->defaultButton())
            ok->click();
        else
            box->accept();
        return true;
    }
    return false;
}

void pressCards(Drive& d) {
    QList<QLabel*> found;
    for (int i = 1; i <= 10; ++i) found << shown<QLabel>(QStringLiteral("Label1_%1").arg(i));
    if (found.contains(nullptr)) return;
    std::sort(found.begin(), found.end(),
              [](QLabel* a, QLabel* b) { return a->text().toInt() < b->text().toInt(); });
    if (++d.problems == 3) {
        if (const char* midway = std::getenv("FULL_DISK_MIDWAY"); midway && *midway) {
            const int status = std::system(midway);
            printLine(QStringLiteral("midway: %1 (status %2)")
                          .arg(QString::fromLocal8Bit(midway))
                          .arg(status));
        }
    }
    QList<QPointer<QLabel>> cards(found.begin(), found.end());
    // Pressed from a call of its own: the last press may open a message box, whose loop
    // must let the drive go on.
    d.pressing = true;
    QTimer::singleShot(0, [&d, cards] {
        for (const QPointer<QLabel>& c : cards)
            if (c) press(c);
        d.pressing = false;
    });
}

// One step of the drive; each tick does what the screen in front asks for.
void step(Drive& d) {
    if (takeMessageBox(d)) return;
    if (++d.ticks < kScreenTicks) return;
    if (auto* list = shown<QListWidget>(QStringLiteral("List1")); list && d.phase == 0) {
        shoot(d, "names");
        printPendingLine();
        if (d.namesOnly) {
            d.phase = 4;
            d.ticks = kScreenTicks;
            return step(d);
        }
        list->setCurrentRow(1);
        if (auto* ok = shown<QPushButton>(QStringLiteral("Command14"))) ok->click();
        d.phase = 1;
    } else if (auto* start = shown<QPushButton>(QStringLiteral("Command4_1"));
               start && (d.phase == 1 || d.phase == 3)) {
        shoot(d, d.phase == 1 ? "home" : "home-after");
        if (d.phase == 1) {
            start->click();
            d.phase = 2;
        } else if (auto* back = shown<QPushButton>(QStringLiteral("Command1"))) {
            back->click();
            d.phase = 4;
        }
    } else if (shown<QLabel>(QStringLiteral("Label1_1")) && d.phase == 2) {
        if (d.pressing) return;
        pressCards(d);
    } else if (auto* menu = shown<QPushButton>(QStringLiteral("Command4")); menu && d.phase == 2) {
        shoot(d, "end-screen");
        menu->click();
        d.phase = 3;
    } else if (shown<QListWidget>(QStringLiteral("List1")) && d.phase == 4) {
        if (!d.namesOnly) {
            shoot(d, "names-after");
            printPendingLine();
        }
        if (auto* end = shown<QPushButton>(QStringLiteral("Command7"))) end->click();
        d.phase = 5;
    }
    d.ticks = 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 ||
        (argc > 3 && qstrcmp(argv[3], "drill") != 0 && qstrcmp(argv[3], "names") != 0)) {
        std::fprintf(
            stderr, "usage: full_disk_driver <program folder> <screenshot folder> [drill|names]\n");
        return 2;
    }
    Drive drive;
    drive.shots = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(drive.shots);
    drive.namesOnly = argc > 3 && qstrcmp(argv[3], "names") == 0;
    int qtArgc = 1;
    return runProgram(qtArgc, argv, QString::fromLocal8Bit(argv[1]), [&drive] {
        auto* timer = new QTimer(qApp);
        QObject::connect(timer, &QTimer::timeout, [&drive] { step(drive); });
        timer->start(150);
    });
}
