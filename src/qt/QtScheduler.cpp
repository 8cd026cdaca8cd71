#include "qt/QtScheduler.h"

#include "qt/SlotGuard.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <QTimer>

#include <utility>

namespace kv380::qt {

QtScheduler::QtScheduler() : m_context(std::make_unique<QObject>()) {}

QtScheduler::~QtScheduler() {
    // The timers are children of the context and go with it.
    m_timers.clear();
}

void QtScheduler::post(std::function<void()> task) {
    QMetaObject::invokeMethod(
        m_context.get(), [task = std::move(task)] { guardSlot("QtScheduler task", task); },
        Qt::QueuedConnection);
}

void QtScheduler::postDelayed(Duration delay, std::function<void()> task) {
    if (delay.count() <= 0) {
        post(std::move(task));
        return;
    }
    QTimer::singleShot(std::chrono::milliseconds(delay), m_context.get(),
                       [task = std::move(task)] { guardSlot("QtScheduler task", task); });
}

Scheduler::TimerId QtScheduler::startTimer(Duration interval, std::function<void()> tick) {
    const TimerId id = m_nextTimer++;
    auto* timer = new QTimer(m_context.get());
    timer->setInterval(std::chrono::milliseconds(interval.count() > 0 ? interval.count() : 1));
    QObject::connect(timer, &QTimer::timeout, timer,
                     [tick = std::move(tick)] { guardSlot("QtScheduler timer", tick); });
    m_timers.emplace(id, timer);
    timer->start();
    return id;
}

void QtScheduler::stopTimer(TimerId id) {
    const auto it = m_timers.find(id);
    if (it == m_timers.end()) {
        return;
    }
    QTimer* timer = it->second;
    m_timers.erase(it);
    // A tick may stop its own timer: the timer must outlive the signal it is emitting.
    timer->stop();
    timer->deleteLater();
}

void QtScheduler::processPending() {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr || QThread::currentThread() != app->thread()) {
        return;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace kv380::qt
