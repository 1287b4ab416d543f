#include "card/headless_card_platform.h"

#include "util/error_texts.h"

namespace lumigram {

namespace {

class THeadlessWindow final : public TCardWindow {
 public:
  void SetEvents(TCardWindowEvents*) override {}
  void Show() override { visible_ = true; }
  void Hide() override { visible_ = false; }
  bool Visible() const override { return visible_; }
  TRect Bounds() const override { return bounds_; }
  void SetBounds(int left, int top, int width, int height) override {
    bounds_ = {left, top, left + width, top + height};
  }
  void SetCaption(const std::string&) override {}
  void Present(const TBitmap&) override {}
  void SetCursor(const TCursorImage*) override {}
  void SetBusyCursor(bool) override {}
  TPoint ScreenSize() const override { return {1024, 768}; }
  TPoint MousePosition() const override { return {}; }

 private:
  bool visible_ = false;
  TRect bounds_{0, 0, 100, 100};
};

class THeadlessPopup final : public TCardPopup {
 public:
  int Track(const std::vector<TPopupItem>&, int, int) override { return -1; }
};

class TSilentSoundDevice final : public TSoundDevice {
 public:
  void SetEvents(TSoundDeviceEvents*) override {}
  bool Open(const std::string&, std::string& error) override {
    error = err::kUnsupportedFormat;
    return false;
  }
  bool Start(std::string& error) override {
    error = err::kUnsupportedFormat;
    return false;
  }
  bool Close(std::string&) override { return true; }
};

}  // namespace

std::unique_ptr<TCardWindow> THeadlessCardPlatform::CreateCardWindow(TCardWindowKind) {
  return std::make_unique<THeadlessWindow>();
}

std::unique_ptr<TCardPopup> THeadlessCardPlatform::CreatePopup() {
  return std::make_unique<THeadlessPopup>();
}

std::unique_ptr<TSoundDevice> THeadlessCardPlatform::CreateSoundDevice() {
  return std::make_unique<TSilentSoundDevice>();
}

bool THeadlessCardPlatform::Print(const TBitmap&, const std::string&, std::string& error) {
  error = err::kFileNotFound;
  return false;
}

}  // namespace lumigram
