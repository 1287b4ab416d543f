#pragma once
// A card platform with no desktop behind it, for programs that build and
// save cards without showing them (the command-line companion) and for
// fuzzing. Windows keep their size and show nothing, menus and prompts are
// dismissed, nothing plays, nothing is opened, and timer ticks are refused.

#include <string>

#include "card/card_platform.h"
#include "media/gui_dispatcher.h"

namespace lumigram {

class THeadlessCardPlatform final : public TCardPlatform,
                                    private TGuiDispatcher,
                                    private TCardDialogs,
                                    private TCardDesktop {
 public:
  explicit THeadlessCardPlatform(std::string programFile = {}) : program_(std::move(programFile)) {}

  std::unique_ptr<TCardWindow> CreateCardWindow(TCardWindowKind kind) override;
  std::unique_ptr<TCardPopup> CreatePopup() override;
  std::unique_ptr<TSoundDevice> CreateSoundDevice() override;
  TCardDialogs& Dialogs() override { return *this; }
  TCardDesktop& Desktop() override { return *this; }
  TGuiDispatcher& Dispatcher() override { return *this; }
  std::string ProgramFile() const override { return program_; }
  void Quit() override {}

 private:
  bool PostToGuiThread(std::function<void()>) override { return false; }

  void ShowError(const std::string&, const std::string&) override {}
  bool AskWarning(const std::string&, const std::string&) override { return false; }
  void ShowInformation(const std::string&, const std::string&) override {}
  bool AskPassword(const std::string&, const std::string&, std::string&) override { return false; }

  bool OpenDocument(const std::string&) override { return false; }
  bool StartProgram(const std::vector<std::string>&) override { return false; }
  void ProcessPendingEvents() override {}
  bool CanPrint() const override { return false; }
  bool Print(const TBitmap&, const std::string&, std::string& error) override;

  std::string program_;
};

}  // namespace lumigram
