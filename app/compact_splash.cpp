#include "app/compact_splash.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <thread>

#include "app/menu_table.h"
#include "lang/translate.h"
#include "platform/qt/shown_text.h"
#include "util/launch.h"

namespace lumigram {

namespace {

constexpr int kFallbackWidth = 334;
constexpr int kFallbackHeight = 163;

constexpr const char* kAboutCaption = "About";
// Caption texts of pairs 1, 2, 3 and 5 and the line of pair 4.
constexpr const char* kVersionCaption = "Version";
constexpr const char* kPublisherCaption = "Publisher";
constexpr const char* kMakesCaption = "Makes";
constexpr const char* kWebCaption = "Web";
constexpr const char* kPublisher = "Kelvado Enterprises";
constexpr const char* kMakes = "picture cards that run by themselves";
constexpr const char* kWelcomeLine = "Thank you for making Lumigrams.";

}  // namespace

// The window: Esc closes it only as the About box.
class TSplashWindow final : public QDialog {
 public:
  TSplashWindow(QWidget* owner, TCompactSplash& splash) : QDialog(owner), splash_(splash) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Escape) {
      if (splash_.Mode() == 1) splash_.CloseAfter(0);
      event->accept();
      return;
    }
    QDialog::keyPressEvent(event);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease && watched == splash_.ValueLabel(5)) {
      splash_.LinkClicked();
      return true;
    }
    return QDialog::eventFilter(watched, event);
  }

 private:
  TCompactSplash& splash_;
};

TCompactSplash::TCompactSplash(QWidget* owner, TOpener opener) : opener_(std::move(opener)) {
  if (!opener_) opener_ = [](const std::string& target) { return OpenDocument(target); };
  window_ = new TSplashWindow(owner, *this);
  window_->setObjectName(QStringLiteral("CompactSplash"));
  image_ = new QLabel(window_);
  image_->move(0, 0);
  for (int i = 0; i < kPairs; ++i) {
    values_[size_t(i)] = new QLabel(window_);
    captions_[size_t(i)] = new QLabel(window_);
    for (QLabel* label : {values_[size_t(i)], captions_[size_t(i)]}) {
      label->setAttribute(Qt::WA_TranslucentBackground);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
  }
  values_[5]->installEventFilter(window_);
  font_ = QFont(QStringLiteral("Arial"), 7, QFont::Bold);
}

TCompactSplash::~TCompactSplash() {
  Release();
  delete window_;
}

QDialog* TCompactSplash::Window() const {
  return window_;
}

void TCompactSplash::SetFont(const QFont& font, QColor colour) {
  font_ = font;
  colour_ = colour;
}

void TCompactSplash::SetMargins(int left, int bottom) {
  left_margin_ = left;
  bottom_margin_ = bottom;
}

void TCompactSplash::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  image_->setPixmap(picture_);
  image_->resize(picture_.size());
  if (window_->isVisible()) window_->update();
}

void TCompactSplash::FillLabels() {
  const std::array<std::string, kPairs> captions = {show_title_ ? title_ : std::string(),
                                                    TranslateLite(kVersionCaption) + ": ",
                                                    TranslateLite(kPublisherCaption) + ": ",
                                                    TranslateLite(kMakesCaption) + ": ",
                                                    TranslateLite(kWelcomeLine),
                                                    TranslateLite(kWebCaption) + ": "};
  const std::array<std::string, kPairs> values = {
      " ", version_, kPublisher, TranslateLite(kMakes), " ", kMakerHomePage};
  QPalette palette = window_->palette();
  palette.setColor(QPalette::WindowText, colour_);
  for (int i = 0; i < kPairs; ++i) {
    QLabel* value = values_[size_t(i)];
    QLabel* caption = captions_[size_t(i)];
    value->setText(ShownText(values[size_t(i)]));
    caption->setText(ShownText(captions[size_t(i)]));
    const bool visible = !values[size_t(i)].empty() && !captions[size_t(i)].empty();
    QFont font = font_;
    caption->setFont(font);
    if (i == 5) {
      font.setUnderline(true);
      value->setCursor(Qt::PointingHandCursor);
    }
    value->setFont(font);
    value->setPalette(palette);
    caption->setPalette(palette);
    value->adjustSize();
    caption->adjustSize();
    value->setVisible(visible);
    caption->setVisible(visible);
  }
}

void TCompactSplash::Layout() {
  int y = window_->height() - bottom_margin_;
  for (int i = kPairs - 1; i >= 0; --i) {
    QLabel* value = values_[size_t(i)];
    QLabel* caption = captions_[size_t(i)];
    if (value->isHidden()) continue;
    y -= value->height();
    caption->move(left_margin_, y);
    value->move(left_margin_ + caption->width(), y);
  }
}

void TCompactSplash::Show(int mode) {
  try {
    if (OnShow) OnShow();
    mode_ = mode < 0 ? 0 : mode > 1 ? 1 : mode;
    const QSize size = picture_.isNull() ? QSize(kFallbackWidth, kFallbackHeight) : picture_.size();
    if (mode_ == 0) {
      window_->setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
      window_->setModal(false);
    } else {
      window_->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                              Qt::WindowCloseButtonHint);
      window_->setWindowTitle(ShownText(TranslateLite(kAboutCaption) + " " + title_));
      window_->setModal(true);
    }
    window_->setFixedSize(size);
    window_->setStyleSheet(picture_.isNull() ? QStringLiteral("background: #203060;") : QString());
    FillLabels();
    Layout();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect area = screen->availableGeometry();
      window_->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
    }
    if (mode_ == 0) {
      window_->show();
      window_->raise();
      QApplication::processEvents();
    } else {
      window_->exec();
    }
  } catch (...) {
    // At worst the window is not shown.
  }
}

void TCompactSplash::CloseAfter(int seconds) {
  seconds = seconds < 0 ? 0 : seconds > 10 ? 10 : seconds;
  if (seconds > 0) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() <= seconds * 1000) {
      QApplication::processEvents();
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
  }
  if (mode_ == 0)
    window_->hide();
  else
    window_->done(QDialog::Rejected);
}

void TCompactSplash::Release() {
  OnShow = nullptr;
  if (window_) window_->hide();
}

void TCompactSplash::LinkClicked() {
  // A click while the link is being opened is the same request again.
  if (opening_) return;
  opening_ = true;
  QLabel* link = values_[5];
  QPalette palette = link->palette();
  const QPalette normal = palette;
  palette.setColor(QPalette::WindowText, Qt::red);
  link->setPalette(palette);
  link->setCursor(Qt::BusyCursor);
  QApplication::processEvents();
  opener_(link->text().toStdString());
  link->setCursor(Qt::PointingHandCursor);
  link->setPalette(normal);
  opening_ = false;
}

}  // namespace lumigram
