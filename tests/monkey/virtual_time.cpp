#include "monkey/virtual_time.h"

#include <QtGui/private/qgenericunixeventdispatcher_p.h>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformintegration.h>

#include <QCoreApplication>
#include <QTimerEvent>
#include <algorithm>

#include "support/stepping_clock.h"

namespace {
// Passes over the posted and window-system events before the clock jumps to the next
// timer: what a handler posts, and what that posts, runs before time moves on.
constexpr int kPassesBeforeJump = 3;
}  // namespace

VirtualTimeDispatcher::VirtualTimeDispatcher(SteppingClock& clock) : clock_(clock) {}

VirtualTimeDispatcher::~VirtualTimeDispatcher() {
    delete platform_.load();
}

QAbstractEventDispatcher* VirtualTimeDispatcher::platform() {
    QAbstractEventDispatcher* inner = platform_.load();
    if (inner) return inner;
    // The platform's own dispatcher: on xcb it is the one that reads the X server's events.
    QPlatformIntegration* integration = QGuiApplicationPrivate::platformIntegration();
    inner = integration ? integration->createEventDispatcher()
                        : QtGenericUnixDispatcher::createUnixEventDispatcher();
    platform_.store(inner);
    return inner;
}

qint64 VirtualTimeDispatcher::now() const {
    return clock_.monotonicMs();
}

VirtualTimeDispatcher::Timer* VirtualTimeDispatcher::find(int timerId) {
    for (Timer& t : timers_)
        if (t.id == timerId) return &t;
    return nullptr;
}

int VirtualTimeDispatcher::fireDueTimers() {
    const qint64 t = now();
    std::vector<std::pair<qint64, quint64>> due;
    for (const Timer& timer : timers_)
        if (timer.due <= t && !timer.firing) due.emplace_back(timer.due, timer.serial);
    std::sort(due.begin(), due.end());
    int fired = 0;
    for (const auto& [when, serial] : due) {
        // A handler before may have stopped or restarted it.
        auto it = std::find_if(timers_.begin(), timers_.end(),
                               [serial = serial](const Timer& x) { return x.serial == serial; });
        if (it == timers_.end() || it->firing || it->due > t) continue;
        it->firing = true;
        const int id = it->id;
        QObject* object = it->object;
        if (it->interval > 0) ++fired;
        // As Qt does: the next time follows the last one, or now when that is past.
        it->due += it->interval;
        if (it->due < t) it->due = t + it->interval;
        QTimerEvent event(id);
        QCoreApplication::sendEvent(object, &event);
        it = std::find_if(timers_.begin(), timers_.end(),
                          [serial = serial](const Timer& x) { return x.serial == serial; });
        if (it != timers_.end()) it->firing = false;
    }
    return fired;
}

bool VirtualTimeDispatcher::processEvents(QEventLoop::ProcessEventsFlags flags) {
    interrupted_ = false;
    QAbstractEventDispatcher* inner = platform();
    emit awake();
    const QEventLoop::ProcessEventsFlags noWait = flags & ~QEventLoop::WaitForMoreEvents;
    const bool timersToo = !(flags & QEventLoop::X11ExcludeTimers);
    bool did = false;
    for (int pass = 0; pass < kPassesBeforeJump; ++pass) {
        did = inner->processEvents(noWait) || did;
        if (interrupted_) return did;
        if (timersToo && fireDueTimers() > 0) return true;
        if (!(flags & QEventLoop::WaitForMoreEvents)) return did;
    }
    if (timersToo) {
        // Nothing left to do now: the clock moves on to the next timer.
        qint64 next = -1;
        bool zeroTimers = false;
        for (const Timer& timer : timers_) {
            if (timer.firing) continue;
            if (timer.due <= now())
                zeroTimers = true;
            else if (next < 0 || timer.due < next)
                next = timer.due;
        }
        if (next >= 0) {
            clock_.advanceMs(next - now());
            fireDueTimers();
            return true;
        }
        if (zeroTimers) return did;
    }
    emit aboutToBlock();
    return inner->processEvents(flags) || did;
}

void VirtualTimeDispatcher::registerSocketNotifier(QSocketNotifier* notifier) {
    platform()->registerSocketNotifier(notifier);
}

void VirtualTimeDispatcher::unregisterSocketNotifier(QSocketNotifier* notifier) {
    platform()->unregisterSocketNotifier(notifier);
}

void VirtualTimeDispatcher::registerTimer(int timerId, qint64 interval, Qt::TimerType timerType,
                                          QObject* object) {
    timers_.push_back({timerId, interval, timerType, object, now() + interval, nextSerial_++});
}

bool VirtualTimeDispatcher::unregisterTimer(int timerId) {
    const auto it = std::find_if(timers_.begin(), timers_.end(),
                                 [timerId](const Timer& t) { return t.id == timerId; });
    if (it == timers_.end()) return false;
    timers_.erase(it);
    return true;
}

bool VirtualTimeDispatcher::unregisterTimers(QObject* object) {
    const auto removed =
        std::erase_if(timers_, [object](const Timer& t) { return t.object == object; });
    return removed > 0;
}

QList<QAbstractEventDispatcher::TimerInfo> VirtualTimeDispatcher::registeredTimers(
    QObject* object) const {
    QList<TimerInfo> list;
    for (const Timer& t : timers_)
        if (t.object == object) list.append(TimerInfo(t.id, static_cast<int>(t.interval), t.type));
    return list;
}

int VirtualTimeDispatcher::remainingTime(int timerId) {
    const Timer* t = find(timerId);
    return t ? static_cast<int>(std::max<qint64>(0, t->due - now())) : -1;
}

void VirtualTimeDispatcher::wakeUp() {
    // From any thread; before the platform's dispatcher exists the main thread is not
    // waiting in it.
    if (QAbstractEventDispatcher* inner = platform_.load()) inner->wakeUp();
}

void VirtualTimeDispatcher::interrupt() {
    interrupted_ = true;
    if (QAbstractEventDispatcher* inner = platform_.load()) inner->interrupt();
}
