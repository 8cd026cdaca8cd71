#include "QtTestApp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace kv380::qt::test {

namespace {

// One QApplication for the whole test program, drawing offscreen unless told otherwise.
class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        m_app = std::make_unique<QApplication>(m_argc, m_argv);
    }
    void TearDown() override {
        flushDeferredDeletes();
        m_app.reset();
    }

private:
    int m_argc{1};
    char m_name[16] = "kv380_qt_tests";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_app;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

void sendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), button, buttons, modifiers);
    QCoreApplication::sendEvent(&widget, &event);
}

} // namespace

bool processUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!condition()) {
        if (elapsed.elapsed() > limit.count()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

void flushDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void press(QWidget& widget, QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    sendMouse(widget, QEvent::MouseButtonPress, at, button, button, modifiers);
}

void release(QWidget& widget, QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    sendMouse(widget, QEvent::MouseButtonRelease, at, button, Qt::NoButton, modifiers);
}

void click(QWidget& widget, QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    press(widget, at, button, modifiers);
    release(widget, at, button, modifiers);
}

void type(QWidget& widget, const QString& text) {
    for (const QChar c : text) {
        // Qt's key codes of printable ASCII are their upper-case character codes.
        const int key = c.toUpper().unicode();
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(&widget, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(&widget, &up);
    }
}

void pressKey(QWidget& widget, int key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &down);
}

void whenShown(std::function<bool()> action) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action = std::move(action)] {
        if (action()) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

} // namespace kv380::qt::test
