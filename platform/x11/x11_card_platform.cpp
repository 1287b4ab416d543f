#include "platform/x11/x11_card_platform.h"

#include "platform/x11/x11_card_window.h"
#include "platform/x11/x11_popup.h"
#include "util/os/process.h"

namespace lumigram {

TX11CardPlatform::TX11CardPlatform(TX11App& app, TSoundDeviceFactory sounds)
    : app_(app), sounds_(std::move(sounds)), dialogs_(app), desktop_(app) {}

std::unique_ptr<TCardWindow> TX11CardPlatform::CreateCardWindow(TCardWindowKind kind) {
  if (kind != TCardWindowKind::Standalone) return nullptr;
  auto window = std::make_unique<TX11CardWindow>(app_);
  if (!window->Valid()) return nullptr;
  if (first_paint_) window->SetFirstPaintHook(std::move(first_paint_));
  first_paint_ = nullptr;
  app_.SetMainWindow(window->XWindow());
  return window;
}

std::unique_ptr<TCardPopup> TX11CardPlatform::CreatePopup() {
  return std::make_unique<TX11Popup>(app_);
}

std::unique_ptr<TSoundDevice> TX11CardPlatform::CreateSoundDevice() {
  return sounds_ ? sounds_() : nullptr;
}

std::string TX11CardPlatform::ProgramFile() const {
  return os::OwnProgramPath();
}

}  // namespace lumigram
