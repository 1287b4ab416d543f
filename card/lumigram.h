#pragma once
// One card: its content record, the bitmaps it is drawn from, its window,
// popup menu, hot-spot labels, sound player and flash timer. The viewer runs
// it standalone, as the whole program; the creator embeds one for its live
// preview and changes it through the record.
//
// Everything runs on the GUI thread. The card reaches the desktop only
// through the platform it is given, which must outlive it.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "card/card_data.h"
#include "card/card_platform.h"
#include "card/lumigram_info.h"
#include "card/simple_labels.h"
#include "imaging/bitmap/bitmap.h"
#include "imaging/bmp/cursor_image.h"
#include "media/fast_timer.h"
#include "media/millisecond_tick.h"
#include "media/play_midi.h"

namespace lumigram {

// Where a card file's data starts: the viewer program is padded to this size.
inline constexpr int64_t kCardDataOffset = 205823;

// The popup menu's items: 10 plus the position.
enum TCardMenuItem : int {
  kPlayItem = 10,
  kStopItem = 11,
  kEditItem = 13,
  kPrintItem = 14,
  kAboutItem = 15,
  kDesktopItem = 16,
  kLibraryItem = 17,
  kExitItem = 19,
};

enum class TSendToTarget { Desktop, Library };

class TLumigram final : private TCardWindowEvents {
 public:
  using TEvent = std::function<void(TLumigram&)>;
  using TTickClock = std::function<int64_t()>;

  // Builds everything with the defaults, composed once
  // (a 300 x 300 white picture in a white 52-pixel frame). clock gives the
  // millisecond tick the flash measures with.
  explicit TLumigram(TCardPlatform& platform, TCardWindowKind kind = TCardWindowKind::Standalone,
                     TTickClock clock = MillisecondTick);
  ~TLumigram();
  TLumigram(const TLumigram&) = delete;
  TLumigram& operator=(const TLumigram&) = delete;

  // The content record. Change it, then call Refresh.
  TLumigramInfo& Info() { return info_; }
  const TLumigramInfo& Info() const { return info_; }

  // Whether the card was made with the standalone window kind (the viewer's)
  // rather than the embedded one (the creator's).
  bool Standalone() const { return standalone_; }

  void Reset();
  void SetDefaults() { lumigram::SetDefaults(info_); }
  void Normalise();
  void Refresh(bool rebuildPicture);
  void RebuildPicture();
  // True when a cursor from the card's Cursor bytes is shown.
  bool ApplyCursor();

  void SetPictureData(const std::string& bytes);
  bool SetCursorFromFile(const std::string& path);
  // An empty path removes the sound.
  bool SetSoundFromFile(const std::string& path);

  bool HasSound() const { return lumigram::HasSound(info_); }
  bool IsPlaying() const;
  bool CanPlay() const { return HasSound() && !IsPlaying(); }
  bool CanStop() const { return HasSound() && IsPlaying(); }
  bool Play();
  bool Stop();

  // The card data stream of what is shown.
  bool SaveToString(std::string& data);
  bool LoadFromString(std::string_view data);
  // Reads the file from the 1-based position to its end (kCardDataOffset + 1
  // for a card file) and loads that. The file becomes the card's file.
  bool LoadFromFile(const std::string& path, int64_t position);
  // The card file the viewer's actions work on: the last one loaded, else
  // the running program.
  std::string CardFile() const;

  bool Busy() const { return busy_; }
  void SetBusy(bool on);
  const std::string& LastError() const { return last_error_; }
  void ShowLastError();

  // Message files and link objects, on the record; both refresh the card.
  std::string WriteMessageFile() const;
  bool ReadMessageFile(std::string_view bytes);
  std::string WriteLinkObject() const;
  bool ReadLinkObject(std::string_view bytes);

  // Rendering and the window.
  void Compose();
  void Present();
  void Centre();
  void CentreAndShow();
  // Draws the message on the target: the composite at the frame's offset, or
  // the message bitmap, prepared first.
  void RenderMessage(bool intoMessageBitmap);
  // The flash timer's tick; now is the millisecond tick.
  void FlashTick(int64_t now);

  // Links and the popup menu.
  void FollowLink();
  std::vector<TPopupItem> UpdateMenu();
  void RunMenuCommand(int id);
  // Opens the popup menu at the screen position and runs the chosen item.
  void PopupAt(int x, int y);
  bool SendTo(TSendToTarget target);
  bool EditInEditor();
  bool Print();
  // The card as printed: picture, frame, message and link, no "menu".
  TBitmap RenderForPrint();
  void About();
  // Standalone only: destroys the card, which ends the program.
  void Exit();
  // Stops the timer and the sound, removes the temporary files and the
  // window; a standalone card then asks the platform to quit. Further calls
  // do nothing.
  void Destroy();

  // Where a send-to copy of the card file goes.
  std::string SendToFile(TSendToTarget target) const;
  bool SendToUpToDate(TSendToTarget target) const;

  const TBitmap& Composite() const { return composite_; }
  const TBitmap& PictureBitmap() const { return picture_; }
  const TBitmap& MessageBitmap() const { return message_bitmap_; }
  TSimpleLabels& Labels() { return labels_; }
  TSimpleLabel& LinkLabel() { return *link_label_; }
  TSimpleLabel& MenuLabel() { return *menu_label_; }
  // The cursor shown over the window; nullopt: the standard arrow.
  const std::optional<TCursorImage>& CursorImage() const { return cursor_; }
  TCardWindow* Window() { return window_.get(); }
  TFastTimer* Timer() { return timer_.get(); }

  // Caps on what card data may hold; lowered by tests and fuzzers.
  void SetDataCaps(int64_t maxBodyBytes, int maxPictureSide);

  // The player started, stopped or finished.
  TEvent OnStateChange;
  // Content was loaded or an element was set.
  TEvent OnChanged;
  TEvent OnBusyChange;
  // Closing the window (or the session ending) exits a standalone card;
  // the creator switches that off.
  bool ExitOnClose = true;

 private:
  // TCardWindowEvents
  void WindowPaint() override;
  void WindowMouseDown(TMouseButton button, int x, int y) override;
  void WindowMouseMove(int x, int y) override;
  void WindowMouseUp(TMouseButton button, int x, int y) override;
  void WindowClose() override;
  bool WindowQueryEndSession() override;
  void WindowEndSession() override;

  void PopupAtMouse();
  void UpdateTimer();
  void DrawMessage();
  void PlaceLabels();
  void DeleteSoundFiles();
  std::string SoundFileFor(const std::string& type);
  bool AskPassword(double password);
  // The decoded picture, or the white square when it is empty.
  void SetPicture(TBitmap picture);

  TCardPlatform& platform_;
  TTickClock clock_;
  TLumigramInfo info_;
  const bool standalone_;
  bool busy_ = false;
  bool destroyed_ = false;
  std::string last_error_;
  std::string card_file_;

  TBitmap composite_;
  TBitmap picture_;
  TBitmap message_bitmap_;
  TSimpleLabels labels_;
  TSimpleLabel* link_label_ = nullptr;
  TSimpleLabel* menu_label_ = nullptr;
  std::optional<TCursorImage> cursor_;

  std::unique_ptr<TCardWindow> window_;
  std::unique_ptr<TCardPopup> popup_;
  std::unique_ptr<TPlayMidi> player_;
  // Temporary file names by sound type.
  std::vector<std::pair<std::string, std::string>> sound_files_;

  int64_t max_body_bytes_ = kMaxCardBodyBytes;
  int max_picture_side_;

  // The mouse as the window reported it.
  bool button_down_ = false;
  TMouseButton button_ = TMouseButton::Left;
  int press_x_ = 0;
  int press_y_ = 0;

  // Last, so that it stops before anything it ticks into goes.
  std::unique_ptr<TFastTimer> timer_;
};

}  // namespace lumigram
