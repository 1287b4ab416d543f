#include "platform/qt/qt_card_platform.h"

#include <QCoreApplication>

#include "platform/qt/qt_card_window.h"
#include "platform/qt/qt_popup.h"

namespace lumigram {

TQtCardPlatform::TQtCardPlatform(TQtGuiDispatcher& dispatcher, QWidget* owner,
                                 TSoundDeviceFactory sounds)
    : dispatcher_(dispatcher), owner_(owner), sounds_(std::move(sounds)) {
  dialogs_.SetParent(owner);
  desktop_.SetParent(owner);
}

std::unique_ptr<TCardWindow> TQtCardPlatform::CreateCardWindow(TCardWindowKind kind) {
  auto window = std::make_unique<TQtCardWindow>(kind, owner_);
  if (!owner_) {
    dialogs_.SetParent(window->Widget());
    desktop_.SetParent(window->Widget());
  }
  return window;
}

std::unique_ptr<TCardPopup> TQtCardPlatform::CreatePopup() {
  return std::make_unique<TQtPopup>(owner_);
}

std::unique_ptr<TSoundDevice> TQtCardPlatform::CreateSoundDevice() {
  return sounds_ ? sounds_() : nullptr;
}

std::string TQtCardPlatform::ProgramFile() const {
  return QCoreApplication::applicationFilePath().toStdString();
}

void TQtCardPlatform::Quit() {
  dispatcher_.Shutdown();
  QCoreApplication::quit();
}

}  // namespace lumigram
