#pragma once
// The program's picture with a few lines of text over its lower left
// corner: borderless while the program starts (the splash), framed and modal
// as the About box.

#include <QDialog>
#include <QFont>
#include <QPixmap>
#include <array>
#include <functional>
#include <string>

class QLabel;

namespace lumigram {

class TSplashWindow;

class TCompactSplash {
 public:
  using TOpener = std::function<bool(const std::string& target)>;
  static constexpr int kPairs = 6;

  // opener opens the link line (default: the desktop's opener).
  explicit TCompactSplash(QWidget* owner, TOpener opener = {});
  ~TCompactSplash();
  TCompactSplash(const TCompactSplash&) = delete;
  TCompactSplash& operator=(const TCompactSplash&) = delete;

  void SetTitle(const std::string& title) { title_ = title; }
  void SetVersion(const std::string& version) { version_ = version; }
  void SetShowTitle(bool show) { show_title_ = show; }
  void SetFont(const QFont& font, QColor colour);
  void SetMargins(int left, int bottom);
  void SetPicture(const QPixmap& picture);
  bool HasPicture() const { return !picture_.isNull(); }
  // Called just before each showing.
  std::function<void()> OnShow;

  void ShowSplash() { Show(0); }
  // Modal; returns when the user closed the box.
  void ShowAbout() { Show(1); }
  // Waits up to 10 seconds, handling window events, then closes.
  void CloseAfter(int seconds);
  // Lets go of the window's owner and the callback; the window hides.
  void Release();

  int Mode() const { return mode_; }
  QDialog* Window() const;
  QLabel* CaptionLabel(int pair) const { return captions_[size_t(pair)]; }
  QLabel* ValueLabel(int pair) const { return values_[size_t(pair)]; }
  // Opens the link line, unless an opening is still under way.
  void LinkClicked();

 private:
  void Show(int mode);
  void FillLabels();
  void Layout();

  TSplashWindow* window_ = nullptr;
  TOpener opener_;
  std::string title_;
  std::string version_;
  bool show_title_ = false;
  QFont font_;
  QColor colour_ = Qt::white;
  int left_margin_ = 7;
  int bottom_margin_ = 7;
  QPixmap picture_;
  QLabel* image_ = nullptr;
  std::array<QLabel*, kPairs> values_{};
  std::array<QLabel*, kPairs> captions_{};
  int mode_ = 0;
  bool opening_ = false;
};

}  // namespace lumigram
