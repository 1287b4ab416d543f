#pragma once
// Hands work from the timer and sound threads to the Qt event loop. Work is
// queued as an event for a receiver that lives on the GUI thread, so it runs
// in whatever loop is turning there, the nested loops of menus and message
// boxes included, one piece per event.
//
// Shutdown (also at the end of the application's loop and in the destructor)
// refuses further work and drops what is queued, unrun: a timer waiting for
// its tick is then released instead of waiting for a loop that no longer
// turns.

#include <QObject>
#include <QPointer>
#include <atomic>
#include <memory>
#include <mutex>

#include "media/gui_dispatcher.h"

namespace lumigram {

class TQtGuiDispatcher final : public TGuiDispatcher {
 public:
  // On the GUI thread, with the application object made.
  TQtGuiDispatcher();
  ~TQtGuiDispatcher() override;
  TQtGuiDispatcher(const TQtGuiDispatcher&) = delete;
  TQtGuiDispatcher& operator=(const TQtGuiDispatcher&) = delete;

  // Any thread, the GUI thread too (the work then runs in a later round).
  bool PostToGuiThread(std::function<void()> work) override;

  // GUI thread. Final.
  void Shutdown();
  bool IsShutDown() const { return shut_down_->load(); }

 private:
  std::mutex mutex_;
  // Deleting it takes its queued events, and the work in them, along.
  std::unique_ptr<QObject> receiver_;
  QMetaObject::Connection quit_connection_;
  // Shared with queued work, which checks it before running.
  std::shared_ptr<std::atomic<bool>> shut_down_;
};

}  // namespace lumigram
