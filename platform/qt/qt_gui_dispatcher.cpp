#include "platform/qt/qt_gui_dispatcher.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace lumigram {

TQtGuiDispatcher::TQtGuiDispatcher()
    : receiver_(std::make_unique<QObject>()),
      shut_down_(std::make_shared<std::atomic<bool>>(false)) {
  if (QCoreApplication* app = QCoreApplication::instance())
    quit_connection_ =
        QObject::connect(app, &QCoreApplication::aboutToQuit, app, [this] { Shutdown(); });
}

TQtGuiDispatcher::~TQtGuiDispatcher() {
  Shutdown();
}

bool TQtGuiDispatcher::PostToGuiThread(std::function<void()> work) {
  if (!work) return false;
  std::lock_guard lock(mutex_);
  if (shut_down_->load() || !receiver_) return false;
  // Queued, never direct, whichever thread posts: the poster may hold locks
  // the work takes.
  return QMetaObject::invokeMethod(
      receiver_.get(),
      [flag = shut_down_, work = std::move(work)] {
        if (flag->load()) return;
        try {
          work();
        } catch (...) {
          // Work owns its failures; an escaping one must not reach Qt's loop.
        }
      },
      Qt::QueuedConnection);
}

void TQtGuiDispatcher::Shutdown() {
  std::unique_ptr<QObject> receiver;
  {
    std::lock_guard lock(mutex_);
    shut_down_->store(true);
    if (quit_connection_) QObject::disconnect(quit_connection_);
    receiver = std::move(receiver_);
  }
  // Outside the lock: the dropped work releases its waiting owners, which
  // may post again and must find the door shut, not locked.
  receiver.reset();
}

}  // namespace lumigram
