#pragma once
// Everything a standalone card needs, made on Xlib for the viewer. The sound
// device comes from elsewhere (the viewer passes its GStreamer player), so
// this layer stays free of sound libraries.

#include <functional>
#include <memory>

#include "card/card_platform.h"
#include "platform/x11/x11_app.h"
#include "platform/x11/x11_desktop.h"
#include "platform/x11/x11_dialogs.h"

namespace lumigram {

using TSoundDeviceFactory = std::function<std::unique_ptr<TSoundDevice>()>;

class TX11CardPlatform final : public TCardPlatform {
 public:
  // The app must be open and outlive the platform and all it makes.
  TX11CardPlatform(TX11App& app, TSoundDeviceFactory sounds);

  // Standalone windows only, and the newest one owns the message boxes.
  // nullptr for the embedded kind, which the viewer never shows, or when the
  // window could not be made.
  std::unique_ptr<TCardWindow> CreateCardWindow(TCardWindowKind kind) override;
  std::unique_ptr<TCardPopup> CreatePopup() override;
  // What the factory makes; nullptr without one.
  std::unique_ptr<TSoundDevice> CreateSoundDevice() override;
  TCardDialogs& Dialogs() override { return dialogs_; }
  TCardDesktop& Desktop() override { return desktop_; }
  TGuiDispatcher& Dispatcher() override { return app_; }
  // The running executable.
  std::string ProgramFile() const override;
  void Quit() override { app_.Quit(); }

  // Passed to the next card window made (see TX11CardWindow).
  void SetFirstPaintHook(std::function<void()> hook) { first_paint_ = std::move(hook); }

 private:
  TX11App& app_;
  TSoundDeviceFactory sounds_;
  TX11Dialogs dialogs_;
  TX11Desktop desktop_;
  std::function<void()> first_paint_;
};

}  // namespace lumigram
