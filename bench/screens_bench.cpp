// Time for the name selection and the home screen to become active with a 20000-record
// results log, and the program's resident memory over full loops (sign in, home screen,
// a drill of five problems, end screen, back to the menu and the name selection).
//
//   QT_QPA_PLATFORM=offscreen screens_bench [runs [loops]]

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>

#include "app/program_flow_gui.h"
#include "app/program_gui.h"
#include "bench_support.h"
#include "drill/drill_screen_gui.h"
#include "endscreen/end_screen_gui.h"
#include "home/home_screen_gui.h"
#include "platform/clock.h"
#include "platform/dates.h"
#include "platform/geometry.h"
#include "platform/media.h"
#include "platform/messages.h"
#include "platform/program.h"
#include "platform/shell.h"
#include "results/result_log.h"
#include "results/statistics.h"
#include "roster/name_selection_gui.h"
#include "state/session.h"
#include "widgets/screen_navigator_gui.h"

namespace {

double median(QList<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

long statusKb(const char* key) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').first().toLong();
    return -1;
}

template <class Pred>
bool waitFor(Pred pred, int ms = 10000) {
    QElapsedTimer t;
    t.start();
    while (!pred()) {
        if (t.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// A visible top-level window by its object name ("namesel", "seisekitime1", ...).
QWidget* window(const char* objectName) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QLatin1String(objectName)) return w;
    return nullptr;
}

// One drill from the home screen: start level 1, press the cards in order five times.
bool playDrill() {
    // The home screen shown may still be replaced while the events run: looked up each time.
    QPushButton* start = nullptr;
    if (!waitFor([&] {
            QWidget* home = window("seisekitime1");
            start = home ? home->findChild<QPushButton*>(QStringLiteral("Command4_1")) : nullptr;
            return start && start->isEnabled();
        })) {
        std::fprintf(stderr, "no start button enabled on the home screen\n");
        return false;
    }
    QTest::mouseClick(start, Qt::LeftButton);
    for (int problem = 0; problem < 5; ++problem) {
        QWidget* drill = nullptr;
        if (!waitFor([&] { return (drill = window("MainFrm")) != nullptr; })) {
            std::fprintf(stderr, "no drill screen for problem %d (ending %d)\n", problem + 1,
                         platform::programEnding());
            return false;
        }
        QList<QPair<int, QLabel*>> cards;
        if (!waitFor([&] {
                cards.clear();
                for (int i = 1; i <= 10; ++i) {
                    auto* l = drill->findChild<QLabel*>(QStringLiteral("Label1_%1").arg(i));
                    if (!l || l->text().isEmpty()) return false;
                    cards.append({l->text().toInt(), l});
                }
                return true;
            }))
            return false;
        std::sort(cards.begin(), cards.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& card : cards) QTest::mouseClick(card.second, Qt::LeftButton);
    }
    QWidget* end = nullptr;
    if (!waitFor([&] { return (end = window("FrmSyuuryou")) != nullptr; })) {
        std::fprintf(stderr, "no end screen\n");
        return false;
    }
    QPushButton* menu = nullptr;
    if (!waitFor([&] {
            end = window("FrmSyuuryou");
            menu = end ? end->findChild<QPushButton*>(QStringLiteral("Command4")) : nullptr;
            return menu && menu->isVisible();
        })) {
        std::fprintf(stderr, "no menu button on the end screen\n");
        return false;
    }
    QTest::mouseClick(menu, Qt::LeftButton);
    return waitFor([&] { return window("seisekitime1") != nullptr; });
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc >= 2 ? std::max(1, atoi(argv[1])) : 21;
    platform::installFontSubstitutes();

    QTemporaryDir family;
    const QString programDir = family.filePath(QStringLiteral("ならびタッチ"));
    if (QProcess::execute(QStringLiteral(MAKE_DEMO),
                          {family.path(), QStringLiteral("ならびタッチ")}) != 0)
        return 1;
    bench::writeLog(QDir(programDir).filePath(QStringLiteral("成績累積データ.dat")), kMaxRecords);

    platform::RecordingMedia media;  // sound excluded from the figures
    platform::RecordingMessageBoxes boxes;
    platform::RecordingShell shell;
    platform::setMedia(&media);
    platform::setMessageBoxes(&boxes);
    platform::setShell(&shell);
    platform::setEndHandler([](int) {});
    Program program(Program::Platform::Installed);
    if (!program.start(programDir)) return 1;
    if (!waitFor([] { return window("namesel") != nullptr; })) return 1;
    program.flow().closeNameSelection();
    QCoreApplication::processEvents();
    // Closed windows go as the event loop would take them (deleteLater).
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QList<double> nameTimes;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        program.flow().showNameSelection();
        QCoreApplication::processEvents();
        auto* list =
            program.flow().nameSelection()->findChild<QListWidget*>(QStringLiteral("List1"));
        if (!waitFor([&] { return list->count() == 4; })) return 1;
        nameTimes.append(t.nsecsElapsed() / 1e6);
        program.flow().closeNameSelection();
        QCoreApplication::processEvents();
        // Closed windows go as the event loop would take them (deleteLater).
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    program.state().session.currentStudentNo = 1;
    program.state().session.currentStudentName = QStringLiteral("山田花子");
    program.state().session.signInMonotonicMs = platform::clock().monotonicMs();
    QList<double> homeTimes;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        program.flow().showHomeScreen();
        QCoreApplication::processEvents();
        auto* label = program.flow().homeScreen()->findChild<QLabel*>(QStringLiteral("Label18"));
        if (!waitFor([&] { return label->text().startsWith(QStringLiteral("本日総回数")); }))
            return 1;
        homeTimes.append(t.nsecsElapsed() / 1e6);
        program.flow().closeHomeScreen();
        QCoreApplication::processEvents();
        // Closed windows go as the event loop would take them (deleteLater).
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::printf("name selection active, 20000-record log, %d runs: median %.2f ms\n", runs,
                median(nameTimes));
    std::printf("home screen active, 20000-record log, %d runs: median %.2f ms\n", runs,
                median(homeTimes));
    std::fflush(stdout);

    for (const auto& b : boxes.shown) std::fprintf(stderr, "message: %s\n", qPrintable(b.text));
    // Full loops: name selection, sign in, home screen, drill, end screen, menu, back.
    const int loops = argc >= 3 ? std::max(1, atoi(argv[2])) : 3;
    for (int loop = 0; loop < loops; ++loop) {
        // The first loop opens the name selection; later ones come back to it from home.
        if (loop == 0) program.flow().showNameSelection();
        QWidget* names = nullptr;
        if (!waitFor([&] { return (names = window("namesel")) != nullptr; })) return 1;
        auto* list = names->findChild<QListWidget*>(QStringLiteral("List1"));
        waitFor([&] { return list->count() == 4; });
        list->setCurrentRow(3);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(3)).center());
        QTest::mouseClick(names->findChild<QPushButton*>(QStringLiteral("Command14")),
                          Qt::LeftButton);
        if (!waitFor([] { return window("seisekitime1") != nullptr; })) return 1;
        if (!playDrill()) {
            std::fprintf(stderr, "loop %d: the drill did not complete\n", loop + 1);
            for (const auto& b : boxes.shown)
                std::fprintf(stderr, "message: %s\n", qPrintable(b.text));
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible())
                    std::fprintf(stderr, "shown: %s\n", qPrintable(w->objectName()));
            return 1;
        }
        QTest::mouseClick(
            window("seisekitime1")->findChild<QPushButton*>(QStringLiteral("Command1")),
            Qt::LeftButton);
        // Back at the name selection once the home screen has gone.
        waitFor([] { return window("namesel") != nullptr && window("seisekitime1") == nullptr; });
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        std::printf("full loop %d: resident %ld kB, peak %ld kB\n", loop + 1, statusKb("VmRSS:"),
                    statusKb("VmHWM:"));
    }
    return 0;
}
