#pragma once
// Plays the user for windows that run loops of their own (menus, message
// boxes): a step runs from Qt's loop, the nested one included, until it
// reports that it has acted. Conditions are waited for by turning the loop,
// with a generous limit that only a broken program reaches.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <memory>

namespace lumigram::testing {

inline constexpr int kPatienceMs = 10000;

// Retries step every few milliseconds, in whatever loop turns, until it
// answers true. Gives up, failing, after kPatienceMs.
inline void WhenReady(std::function<bool()> step) {
  auto* timer = new QTimer;
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  timer->setInterval(2);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, clock, step = std::move(step)] {
    if (step()) {
      timer->stop();
      timer->deleteLater();
    } else if (clock->elapsed() > kPatienceMs) {
      ADD_FAILURE() << "the expected window never came";
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start();
}

// Turns the loop until done() holds; false after kPatienceMs.
inline bool TurnLoopUntil(const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  // Wakes the wait now and then, for conditions other threads change.
  QTimer wake;
  wake.start(2);
  while (!done()) {
    if (clock.elapsed() > kPatienceMs) return false;
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}

// The modal box or the open menu of the given type, or null.
template <class T>
T* ActiveModal() {
  return qobject_cast<T*>(QApplication::activeModalWidget());
}
template <class T>
T* ActivePopup() {
  return qobject_cast<T*>(QApplication::activePopupWidget());
}

}  // namespace lumigram::testing
