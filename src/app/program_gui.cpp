#include "app/program_gui.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "app/program_flow_gui.h"
#include "app/program_options.h"
#include "app/start_up.h"
#include "app/version.h"
#include "platform/application_gui.h"
#include "platform/geometry.h"
#include "platform/input_gui.h"
#include "platform/media_gui.h"
#include "platform/messages_gui.h"
#include "platform/program.h"
#include "platform/translations.h"
#include "state/session.h"
#include "widgets/controls_gui.h"
#include "widgets/wait_window_gui.h"

namespace {

// The sound module is loaded this long after the first screen has been painted: while the
// student reads it, so that neither the start nor the first sound waits for it. A sound
// asked for sooner loads it itself.
constexpr int kSoundModuleDelayMs = 300;

bool anyWindowVisible() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible()) continue;
        const Qt::WindowType type = w->windowType();
        if (type == Qt::ToolTip || type == Qt::Popup) continue;
        if (qobject_cast<WaitWindow*>(w)) continue;
        return true;
    }
    return false;
}

// Watches the windows: reports the first painted screen, and ends the program when the
// student closes the last screen (the screens replace one another, so a short gap with
// none shown is normal and is waited out).
class WindowWatcher : public QObject {
  public:
    explicit WindowWatcher(std::function<void()> firstShown) : firstShown_(std::move(firstShown)) {
        check_.setSingleShot(true);
        check_.setInterval(300);
        connect(&check_, &QTimer::timeout, this, [] {
            if (!platform::programEnding() && !anyWindowVisible()) platform::endProgram(0);
        });
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType()) return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && firstShown_ && widget->isWindow() &&
            !qobject_cast<WaitWindow*>(widget)) {
            auto done = std::move(firstShown_);
            firstShown_ = nullptr;
            QTimer::singleShot(0, done);
        } else if ((event->type() == QEvent::Close || event->type() == QEvent::Hide) &&
                   widget->isWindow()) {
            check_.start();
        }
        return false;
    }

  private:
    std::function<void()> firstShown_;
    QTimer check_;
};

}  // namespace

Program::Program(Platform platform) : platform_(platform), flow_(state_) {
    if (platform_ == Platform::Own) platform::installWidgetPlatform(&media_);
    platform::installInputHabits();
    QApplication::setWindowIcon(widgets::programIcon());
}

Program::~Program() {
    // The windows left open at the end go first, while all they may use still exists.
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) windows.append(w);
    for (const QPointer<QWidget>& w : windows) delete w.data();
    if (platform_ == Platform::Own) platform::setMedia(nullptr);
}

bool Program::start(const QString& programDir) {
    try {
        checkProgramFolder(programDir);
        startUp(programDir, state_);
        flow_.showNameSelection();
    } catch (const platform::RuntimeError& e) {
        platform::reportRuntimeError(e);
    }
    return !platform::programEnding();
}

int runProgram(int& argc, char** argv, const QString& programDir,
               std::function<void()> firstShown) {
    platform::Application app(argc, argv);
    const ProgramVersion version = programVersion();
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(version.major).arg(version.minor).arg(version.revision));
    app.setQuitOnLastWindowClosed(false);
    platform::installQtTranslations();
    platform::installFontSubstitutes();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        platform::setScreenScale(platform::scaleForScreen(screen->size()));
    if (platform::screenScale() > 1.0) {
        // Controls without a font of their own grow with the screen as well.
        QFont font = QApplication::font();
        font.setPointSizeF(font.pointSizeF() * platform::screenScale());
        QApplication::setFont(font);
    }
    Program program;

    WindowWatcher watcher([firstShown = std::move(firstShown), &program] {
        if (firstShown) firstShown();
        QTimer::singleShot(kSoundModuleDelayMs, [&program] {
            if (!platform::programEnding()) program.media().prepare();
        });
    });
    app.installEventFilter(&watcher);

    const QString folder =
        programDir.isEmpty() ? QCoreApplication::applicationDirPath() : programDir;
    if (!program.start(folder)) return platform::programExitCode();
    const int code = app.exec();
    return platform::programEnding() ? platform::programExitCode() : code;
}
