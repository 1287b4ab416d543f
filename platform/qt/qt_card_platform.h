#pragma once
// Everything a card needs, made on Qt for the creator's live card (and for a
// standalone card, should a Qt program show one). The sound device comes
// from elsewhere (the creator passes its GStreamer player), and so does the
// dispatcher, which the sound device shares.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "card/card_platform.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_gui_dispatcher.h"

namespace lumigram {

using TSoundDeviceFactory = std::function<std::unique_ptr<TSoundDevice>()>;

class TQtCardPlatform final : public TCardPlatform {
 public:
  // owner (may be null): the main window an embedded card window stays
  // above and message boxes belong to. The dispatcher must outlive the
  // platform and all it makes.
  TQtCardPlatform(TQtGuiDispatcher& dispatcher, QWidget* owner, TSoundDeviceFactory sounds);

  // Without an owner, message boxes belong to the newest card window.
  std::unique_ptr<TCardWindow> CreateCardWindow(TCardWindowKind kind) override;
  std::unique_ptr<TCardPopup> CreatePopup() override;
  // What the factory makes; nullptr without one.
  std::unique_ptr<TSoundDevice> CreateSoundDevice() override;
  TCardDialogs& Dialogs() override { return dialogs_; }
  TCardDesktop& Desktop() override { return desktop_; }
  TGuiDispatcher& Dispatcher() override { return dispatcher_; }
  std::string ProgramFile() const override;
  // Ends the application's loop; timer ticks are refused from now on.
  void Quit() override;

  TQtCardDialogs& QtDialogs() { return dialogs_; }
  TQtCardDesktop& QtDesktop() { return desktop_; }

 private:
  TQtGuiDispatcher& dispatcher_;
  QPointer<QWidget> owner_;
  TSoundDeviceFactory sounds_;
  TQtCardDialogs dialogs_;
  TQtCardDesktop desktop_;
};

}  // namespace lumigram
