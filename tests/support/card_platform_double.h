#pragma once
// A recording stand-in for the whole desktop a card runs on: windows that
// keep what was shown on them, a popup and dialogs that answer from queues,
// a desktop that records what it was asked to open, start and print, a
// sound device the test finishes by hand, and a loop dispatcher for the
// timers. The card core, the viewer's and the editor's tests share it.

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "card/card_platform.h"
#include "tests/support/loop_dispatcher.h"

namespace lumigram::testing {

class TRecordingCardWindow : public TCardWindow {
 public:
  explicit TRecordingCardWindow(TCardWindowKind kind) : Kind(kind) {}

  void SetEvents(TCardWindowEvents* events) override { Events = events; }
  void Show() override { IsVisible = true; }
  void Hide() override { IsVisible = false; }
  bool Visible() const override { return IsVisible; }
  TRect Bounds() const override { return Rect; }
  void SetBounds(int left, int top, int width, int height) override {
    Rect = {left, top, left + width, top + height};
    BoundsCalls.push_back(Rect);
  }
  void SetCaption(const std::string& caption) override { Caption = caption; }
  void Present(const TBitmap& image) override {
    Image = image;
    ++PresentCount;
  }
  void SetCursor(const TCursorImage* cursor) override {
    if (cursor && !cursor->Frames.empty())
      Cursor = *cursor;
    else
      Cursor.reset();
    ++CursorChanges;
  }
  void SetBusyCursor(bool busy) override { BusyCursor = busy; }
  TPoint ScreenSize() const override { return Screen; }
  TPoint MousePosition() const override { return Mouse; }

  // The mouse as a person would move it, in window coordinates; the screen
  // position follows the window.
  void MoveMouse(int x, int y) {
    Mouse = {Rect.Left + x, Rect.Top + y};
    if (Events) Events->WindowMouseMove(x, y);
  }
  void Press(TMouseButton button, int x, int y) {
    Mouse = {Rect.Left + x, Rect.Top + y};
    if (Events) Events->WindowMouseDown(button, x, y);
  }
  void Release(TMouseButton button, int x, int y) {
    Mouse = {Rect.Left + x, Rect.Top + y};
    if (Events) Events->WindowMouseUp(button, x, y);
  }
  void Click(TMouseButton button, int x, int y) {
    MoveMouse(x, y);
    Press(button, x, y);
    Release(button, x, y);
  }

  TCardWindowKind Kind;
  TCardWindowEvents* Events = nullptr;
  bool IsVisible = false;
  TRect Rect{480, 270, 960, 810};
  std::vector<TRect> BoundsCalls;
  std::string Caption = "Form1";
  TBitmap Image;
  int PresentCount = 0;
  std::optional<TCursorImage> Cursor;
  int CursorChanges = 0;
  bool BusyCursor = false;
  TPoint Screen{1920, 1080};
  TPoint Mouse{0, 0};
};

// Answers each Track with the next queued id (-1, dismissed, when none).
class TScriptedPopup : public TCardPopup {
 public:
  struct TTracked {
    std::vector<TPopupItem> Items;
    TPoint At;
  };

  explicit TScriptedPopup(std::deque<int>& answers, std::vector<TTracked>& tracked)
      : answers_(answers), tracked_(tracked) {}

  int Track(const std::vector<TPopupItem>& items, int x, int y) override {
    tracked_.push_back({items, {x, y}});
    if (answers_.empty()) return -1;
    const int id = answers_.front();
    answers_.pop_front();
    return id;
  }

 private:
  std::deque<int>& answers_;
  std::vector<TTracked>& tracked_;
};

// Plays nothing: opening succeeds unless told otherwise, and the test ends
// playback with Finish.
class TFakeSoundDevice : public TSoundDevice {
 public:
  void SetEvents(TSoundDeviceEvents* events) override { events_ = events; }
  bool Open(const std::string& file, std::string& error) override {
    OpenedFiles.push_back(file);
    if (!OpenError.empty()) {
      error = OpenError;
      return false;
    }
    IsOpen = true;
    return true;
  }
  bool Start(std::string&) override {
    IsPlaying = IsOpen;
    return IsOpen;
  }
  bool Close(std::string&) override {
    IsOpen = IsPlaying = false;
    ++Closes;
    return true;
  }
  // Playback reaches its end, as the device reports it on the GUI thread.
  void Finish(bool succeeded = true) {
    IsPlaying = false;
    if (events_) events_->SoundEnded(succeeded);
  }

  std::string OpenError;
  std::vector<std::string> OpenedFiles;
  bool IsOpen = false;
  bool IsPlaying = false;
  int Closes = 0;

 private:
  TSoundDeviceEvents* events_ = nullptr;
};

class TScriptedCardDialogs : public TCardDialogs {
 public:
  enum class TKind { Error, Warning, Information, Password };
  struct TShown {
    TKind Kind;
    std::string Caption;
    std::string Text;
  };

  void ShowError(const std::string& caption, const std::string& text) override {
    Shown.push_back({TKind::Error, caption, text});
  }
  bool AskWarning(const std::string& caption, const std::string& text) override {
    Shown.push_back({TKind::Warning, caption, text});
    return Next(WarningAnswers, false);
  }
  void ShowInformation(const std::string& caption, const std::string& text) override {
    Shown.push_back({TKind::Information, caption, text});
  }
  bool AskPassword(const std::string& caption, const std::string& prompt,
                   std::string& password) override {
    Shown.push_back({TKind::Password, caption, prompt});
    const std::optional<std::string> answer = Next(Passwords, std::optional<std::string>());
    if (!answer) return false;
    password = *answer;
    return true;
  }

  // Yes (true) or No for each warning; No when the queue is empty.
  std::deque<bool> WarningAnswers;
  // The typed password, or nullopt for Cancel; Cancel when empty.
  std::deque<std::optional<std::string>> Passwords;
  std::vector<TShown> Shown;

 private:
  template <class T>
  static T Next(std::deque<T>& queue, T fallback) {
    if (queue.empty()) return fallback;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
  }
};

class TRecordingDesktop : public TCardDesktop {
 public:
  bool OpenDocument(const std::string& target) override {
    Opened.push_back(target);
    return OpenSucceeds;
  }
  bool StartProgram(const std::vector<std::string>& argv) override {
    Started.push_back(argv);
    return true;
  }
  void ProcessPendingEvents() override { ++PendingProcessed; }
  bool CanPrint() const override { return PrintAvailable; }
  bool Print(const TBitmap& image, const std::string& title, std::string& error) override {
    Printed.emplace_back(title, image);
    if (!PrintError.empty()) error = PrintError;
    return PrintError.empty();
  }

  bool OpenSucceeds = true;
  std::vector<std::string> Opened;
  std::vector<std::vector<std::string>> Started;
  int PendingProcessed = 0;
  bool PrintAvailable = false;
  std::string PrintError;
  std::vector<std::pair<std::string, TBitmap>> Printed;
};

class TCardPlatformDouble : public TCardPlatform {
 public:
  std::unique_ptr<TCardWindow> CreateCardWindow(TCardWindowKind kind) override {
    auto window = std::make_unique<TRecordingCardWindow>(kind);
    LastWindow = window.get();
    return window;
  }
  std::unique_ptr<TCardPopup> CreatePopup() override {
    return std::make_unique<TScriptedPopup>(PopupAnswers, Tracked);
  }
  std::unique_ptr<TSoundDevice> CreateSoundDevice() override {
    auto device = std::make_unique<TFakeSoundDevice>();
    device->OpenError = SoundOpenError;
    LastSound = device.get();
    return device;
  }
  TCardDialogs& Dialogs() override { return DialogsDouble; }
  TCardDesktop& Desktop() override { return DesktopDouble; }
  TGuiDispatcher& Dispatcher() override { return Loop; }
  std::string ProgramFile() const override { return Program; }
  void Quit() override { ++QuitCount; }

  TLoopDispatcher Loop;
  TScriptedCardDialogs DialogsDouble;
  TRecordingDesktop DesktopDouble;
  std::deque<int> PopupAnswers;
  std::vector<TScriptedPopup::TTracked> Tracked;
  // What the next sound device's Open answers with; empty: success.
  std::string SoundOpenError;
  std::string Program = "/usr/local/bin/lumigram-viewer";
  int QuitCount = 0;
  // The parts the card made last; owned by the card.
  TRecordingCardWindow* LastWindow = nullptr;
  TFakeSoundDevice* LastSound = nullptr;
};

}  // namespace lumigram::testing
