#pragma once

#include <QCoreApplication>
#include <QEventLoop>
#include <QWidget>

#include <chrono>
#include <functional>

namespace kv380::qt::test {

// Runs Qt's pending events until the condition holds or the time is up; returns whether it held. Used to
// wait for event-loop work (queued calls, timers), never to measure speed.
bool processUntil(const std::function<bool()>& condition,
                  std::chrono::milliseconds limit = std::chrono::milliseconds(5000));

// Deletes what deleteLater scheduled (unloaded controls' widgets).
void flushDeferredDeletes();

// Sends a left-button click (press and release) at a point of a widget.
void click(QWidget& widget, QPoint at, Qt::MouseButton button = Qt::LeftButton,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void press(QWidget& widget, QPoint at, Qt::MouseButton button = Qt::LeftButton,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void release(QWidget& widget, QPoint at, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Types text into a widget, one key press per character, as a user would.
void type(QWidget& widget, const QString& text);
void pressKey(QWidget& widget, int key);

// Polls the event loop that a modal box or pop-up runs (exec) until the action says it found what it waited
// for and acted.
void whenShown(std::function<bool()> action);

} // namespace kv380::qt::test
