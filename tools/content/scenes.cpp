#include "tools/content/scenes.h"

#include <cmath>
#include <numbers>
#include <random>

#include "frames/frame_painter.h"
#include "frames/frame_styles.h"
#include "imaging/jpeg/jpeg_writer.h"
#include "tools/content/art.h"
#include "tools/content/samples.h"

namespace lumigram::content {

namespace {

constexpr double kPi = std::numbers::pi;

// A hill: the band below a wavy line, down to the bottom of the picture.
TContour Hill(double width, double height, double base, double amplitude, double waves,
              double phase) {
  TContour hill;
  for (int i = 0; i <= 64; ++i) {
    const double x = width * i / 64;
    hill.push_back({x, base - amplitude * std::sin(waves * kPi * i / 64 + phase)});
  }
  hill.push_back({width, height});
  hill.push_back({0, height});
  return hill;
}

void Cloud(TArtboard& b, double x, double y, double size) {
  const TColor shade = RGB(225, 232, 245), white = RGB(255, 255, 255);
  for (const auto& [dx, dy, r] : {std::tuple{-1.0, 0.3, 0.55}, {0.0, 0.0, 0.75}, {1.0, 0.35, 0.5}})
    b.Disc(x + dx * size, y + dy * size + 0.08 * size, r * size, shade);
  for (const auto& [dx, dy, r] : {std::tuple{-1.0, 0.3, 0.5}, {0.0, 0.0, 0.7}, {1.0, 0.35, 0.45}})
    b.Disc(x + dx * size, y + dy * size, r * size, white);
}

void Flower(TArtboard& b, double x, double y, double r, TColor petal) {
  for (int i = 0; i < 5; ++i) {
    const double t = 2 * kPi * i / 5;
    b.Disc(x + r * std::cos(t), y + r * std::sin(t), r * 0.8, petal);
  }
  b.Disc(x, y, r * 0.6, RGB(250, 210, 40));
}

void FirTree(TArtboard& b, double x, double base, double height, bool snow) {
  b.Polygon({{x - height * 0.05, base},
             {x + height * 0.05, base},
             {x + height * 0.05, base - height * 0.2},
             {x - height * 0.05, base - height * 0.2}},
            RGB(70, 45, 30));
  for (int tier = 0; tier < 3; ++tier) {
    const double bottom = base - height * (0.15 + 0.25 * tier);
    const double half = height * (0.36 - 0.09 * tier);
    const double top = bottom - height * 0.45;
    b.Polygon({{x - half, bottom}, {x + half, bottom}, {x, top}}, RGB(20, 70, 50));
    if (snow)
      b.Polygon({{x - half * 0.45, top + (bottom - top) * 0.5},
                 {x + half * 0.45, top + (bottom - top) * 0.5},
                 {x, top}},
                RGB(235, 242, 255));
  }
}

}  // namespace

TBitmap MeadowScene(int width, int height) {
  const double w = width, h = height;
  TArtboard b(width, height, 3);
  b.VerticalGradient(0, h * 0.7, RGB(90, 160, 230), RGB(200, 230, 250));
  b.RadialGlow(w * 0.78, h * 0.2, h * 0.2, RGB(255, 250, 210), RGB(175, 215, 245));
  b.Disc(w * 0.78, h * 0.2, h * 0.08, RGB(255, 235, 120));
  Cloud(b, w * 0.22, h * 0.18, h * 0.07);
  Cloud(b, w * 0.5, h * 0.3, h * 0.05);
  b.Polygon(Hill(w, h, h * 0.62, h * 0.06, 2.2, 0.4), RGB(120, 175, 80));
  b.Polygon(Hill(w, h, h * 0.72, h * 0.05, 3.0, 2.0), RGB(90, 160, 60));
  // A round tree on the far hill.
  b.Line({{w * 0.3, h * 0.63}, {w * 0.3, h * 0.5}}, h * 0.02, RGB(100, 70, 40));
  b.Disc(w * 0.3, h * 0.45, h * 0.08, RGB(50, 120, 50));
  b.Disc(w * 0.28, h * 0.43, h * 0.05, RGB(80, 150, 60));
  b.Polygon(Hill(w, h, h * 0.85, h * 0.04, 1.5, 1.0), RGB(70, 140, 50));
  std::mt19937 random(7);  // fixed, so every build draws the same flowers
  std::uniform_real_distribution<double> across(0, w), down(h * 0.76, h * 0.98);
  const TColor petals[] = {RGB(250, 250, 250), RGB(240, 90, 120), RGB(180, 120, 230),
                           RGB(255, 170, 60)};
  for (int i = 0; i < 70; ++i) {
    const double y = down(random);
    Flower(b, across(random), y, h * (0.004 + 0.01 * (y - h * 0.76) / (h * 0.22)), petals[i % 4]);
  }
  return b.Shrink();
}

TBitmap WinterScene(int width, int height) {
  const double w = width, h = height;
  TArtboard b(width, height, 3);
  b.VerticalGradient(0, h, RGB(10, 20, 60), RGB(60, 80, 150));
  std::mt19937 random(11);
  std::uniform_real_distribution<double> across(0, w), high(0, h * 0.55), size(0.6, 2.0);
  for (int i = 0; i < 90; ++i)
    b.Disc(across(random), high(random), size(random) * 0.6, RGB(255, 255, 230));
  b.Star(w * 0.15, h * 0.14, h * 0.03, h * 0.008, 4, 0, RGB(255, 255, 220));
  b.RadialGlow(w * 0.75, h * 0.2, h * 0.16, RGB(120, 140, 200), RGB(35, 50, 105));
  b.Disc(w * 0.75, h * 0.2, h * 0.08, RGB(250, 245, 215));
  b.Disc(w * 0.73, h * 0.18, h * 0.015, RGB(230, 225, 195));
  b.Disc(w * 0.77, h * 0.23, h * 0.01, RGB(230, 225, 195));
  b.Polygon(Hill(w, h, h * 0.66, h * 0.07, 2.0, 0.2), RGB(190, 205, 235));
  for (double x : {0.12, 0.2, 0.62, 0.88}) FirTree(b, w * x, h * 0.7, h * 0.28, true);
  b.Polygon(Hill(w, h, h * 0.8, h * 0.05, 2.6, 2.4), RGB(225, 232, 250));
  FirTree(b, w * 0.4, h * 0.86, h * 0.4, true);
  // A little house with a lit window.
  const double hx = w * 0.7, hy = h * 0.84, hs = h * 0.12;
  b.Polygon({{hx, hy}, {hx + hs, hy}, {hx + hs, hy - hs * 0.7}, {hx, hy - hs * 0.7}},
            RGB(120, 60, 50));
  b.Polygon({{hx - hs * 0.12, hy - hs * 0.68},
             {hx + hs * 1.12, hy - hs * 0.68},
             {hx + hs * 0.5, hy - hs * 1.2}},
            RGB(240, 245, 255));
  b.Polygon({{hx + hs * 0.35, hy - hs * 0.2},
             {hx + hs * 0.65, hy - hs * 0.2},
             {hx + hs * 0.65, hy - hs * 0.48},
             {hx + hs * 0.35, hy - hs * 0.48}},
            RGB(255, 210, 100));
  std::uniform_real_distribution<double> anywhere(0, h);
  for (int i = 0; i < 60; ++i)
    b.Disc(across(random), anywhere(random), size(random), RGB(250, 250, 255));
  return b.Shrink();
}

TBitmap SplashPicture(int width, int height) {
  const double w = width, h = height;
  TArtboard b(width, height, 3);
  b.VerticalGradient(0, h, RGB(40, 30, 90), RGB(210, 100, 90));
  b.RadialGlow(w * 0.72, h * 0.95, h * 0.7, RGB(250, 170, 110), RGB(150, 70, 110));
  std::mt19937 random(3);
  std::uniform_real_distribution<double> across(0, w), high(0, h * 0.5);
  for (int i = 0; i < 40; ++i) b.Disc(across(random), high(random), 0.7, RGB(255, 240, 220));
  // Ribbons of light sweeping across, behind the card.
  for (int band = 0; band < 3; ++band) {
    TContour ribbon;
    for (int i = 0; i <= 48; ++i) {
      const double x = w * i / 48;
      ribbon.push_back({x, h * (0.28 + 0.1 * band) + h * 0.08 * std::sin(kPi * i / 24 + band)});
    }
    for (int i = 48; i >= 0; --i) {
      const double x = w * i / 48;
      ribbon.push_back(
          {x, h * (0.31 + 0.1 * band) + h * 0.08 * std::sin(kPi * i / 24 + band + 0.3)});
    }
    b.Polygon(ribbon, Blend(RGB(120, 70, 140), RGB(250, 190, 150), 0.3 * band + 0.2));
  }
  b.Star(w * 0.1, h * 0.12, 6, 1.6, 4, 0, RGB(255, 245, 200));
  b.Star(w * 0.45, h * 0.08, 4, 1.2, 4, 0, RGB(255, 245, 200));
  TBitmap picture = b.Shrink();
  // The splash window prints white text over the lower left: darken it.
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const double dx = x / (w * 0.7), dy = (h - y) / (h * 0.55);
      const double shade = std::max(0.0, 1 - std::sqrt(dx * dx + dy * dy));
      picture.SetPixel(x, y, Blend(picture.GetPixel(x, y), RGB(30, 15, 50), 0.6 * shade));
    }

  // A small card in the program's own default frame, on the right side.
  const int cardW = int(w * 0.36), cardH = int(h * 0.5), frameSize = std::max(6, cardH / 8);
  TBitmap card;
  card.SetSize(cardW + 2 * frameSize, cardH + 2 * frameSize);
  TCanvas cardCanvas(card);
  const TBitmap scene = MeadowScene(cardW, cardH);
  cardCanvas.Draw(frameSize, frameSize, scene);
  TFrameInfo frame{RGB(225, 185, 80), frameSize, kFrameStyles[kColoredInsertStyle].Code, ""};
  PaintFrame(frame, &card);
  const int left = int(w * 0.95) - card.Width(), top = int(h * 0.1);
  // A soft shadow first, then the card.
  TBitmap shadow = picture;
  TCanvas shadowCanvas(shadow);
  for (int y = 0; y < card.Height(); ++y)
    for (int x = 0; x < card.Width(); ++x) {
      const int sx = left + x + 5, sy = top + y + 6;
      shadowCanvas.SetPixel(sx, sy, Blend(picture.GetPixel(sx, sy), RGB(20, 10, 40), 0.45));
    }
  picture = shadow;
  TCanvas finalCanvas(picture);
  finalCanvas.Draw(left, top, card);
  // A heart pinned to the card's corner.
  const TArgbPicture heart = DrawWithAlpha(36, [](TArtboard& a) {
    a.Heart(18, 19, 33, RGB(140, 0, 30));
    a.Heart(18, 18, 29, RGB(230, 40, 70));
    a.Ellipse(12, 12, 4, 2.4, RGB(255, 160, 180), -0.6);
  });
  DrawArgb(picture, left - 14, top - 12, heart);
  return picture;
}

std::vector<TNamedFile> MakeScenes() {
  std::vector<TNamedFile> files;
  const std::pair<const char*, TBitmap> scenes[] = {
      {"meadow.jpg", MeadowScene(480, 360)},
      {"winternight.jpg", WinterScene(480, 360)},
  };
  for (const auto& [name, bitmap] : scenes) {
    std::string bytes, error;
    if (!WriteJpeg(bitmap, 88, bytes, error)) return {};
    files.push_back({name, bytes});
  }
  return files;
}

}  // namespace lumigram::content
