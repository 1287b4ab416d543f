#include "tools/content/icons.h"

#include <cmath>
#include <functional>
#include <numbers>

#include "tools/content/art.h"
#include "tools/content/icon_writer.h"

namespace lumigram::content {

namespace {

constexpr double kPi = std::numbers::pi;

// Each design draws on a 32-unit square; s turns units into pixels.
using TDesign = std::function<void(TArtboard&, double s)>;

void HeartIcon(TArtboard& b, double s) {
  b.Heart(16 * s, 17 * s, 29 * s, RGB(150, 10, 30));
  b.Heart(16 * s, 16.5 * s, 26 * s, RGB(225, 30, 60));
  b.Ellipse(10 * s, 11 * s, 3.5 * s, 2.2 * s, RGB(255, 150, 170), -0.6);
}

void StarIcon(TArtboard& b, double s) {
  b.Star(16 * s, 17 * s, 15.5 * s, 6.8 * s, 5, 0, RGB(190, 120, 0));
  b.Star(16 * s, 17 * s, 13 * s, 5.6 * s, 5, 0, RGB(255, 205, 40));
  b.Star(14.5 * s, 15 * s, 5 * s, 2.2 * s, 5, 0, RGB(255, 240, 160));
}

void SunIcon(TArtboard& b, double s) {
  for (int i = 0; i < 12; ++i) {
    const double t = 2 * kPi * i / 12;
    const double c = std::cos(t), n = std::sin(t), w = 0.22;
    b.Polygon({{16 * s + 15 * s * c, 16 * s + 15 * s * n},
               {16 * s + 9 * s * std::cos(t + w), 16 * s + 9 * s * std::sin(t + w)},
               {16 * s + 9 * s * std::cos(t - w), 16 * s + 9 * s * std::sin(t - w)}},
              RGB(255, 150, 20));
  }
  b.Disc(16 * s, 16 * s, 9.5 * s, RGB(230, 120, 0));
  b.Disc(16 * s, 16 * s, 8.5 * s, RGB(255, 210, 40));
  b.Disc(13.5 * s, 13.5 * s, 3 * s, RGB(255, 240, 150));
}

void FlowerIcon(TArtboard& b, double s) {
  b.Line({{16 * s, 20 * s}, {17 * s, 31 * s}}, 2.2 * s, RGB(40, 130, 40));
  b.Ellipse(21 * s, 27 * s, 4 * s, 1.8 * s, RGB(60, 160, 60), -0.5);
  for (int i = 0; i < 5; ++i) {
    const double t = 2 * kPi * i / 5 - kPi / 2;
    b.Ellipse(16 * s + 7 * s * std::cos(t), 13 * s + 7 * s * std::sin(t), 6 * s, 4 * s,
              RGB(200, 60, 150), t);
    b.Ellipse(16 * s + 7 * s * std::cos(t), 13 * s + 7 * s * std::sin(t), 4.8 * s, 3 * s,
              RGB(245, 120, 200), t);
  }
  b.Disc(16 * s, 13 * s, 4 * s, RGB(240, 170, 0));
  b.Disc(15 * s, 12 * s, 1.6 * s, RGB(255, 230, 120));
}

void BalloonIcon(TArtboard& b, double s) {
  b.Line({{16 * s, 24 * s}, {14 * s, 27 * s}, {17 * s, 29 * s}, {15 * s, 31.5 * s}}, 1.0 * s,
         RGB(90, 90, 90));
  b.Polygon({{16 * s, 22 * s}, {18 * s, 25.5 * s}, {14 * s, 25.5 * s}}, RGB(170, 20, 40));
  b.Ellipse(16 * s, 12.5 * s, 10 * s, 11.5 * s, RGB(170, 20, 40));
  b.Ellipse(16 * s, 12.5 * s, 9 * s, 10.5 * s, RGB(230, 40, 60));
  b.Ellipse(12 * s, 8 * s, 2.5 * s, 4 * s, RGB(255, 170, 180), 0.5);
}

void GiftIcon(TArtboard& b, double s) {
  b.Polygon({{4 * s, 12 * s}, {28 * s, 12 * s}, {28 * s, 30 * s}, {4 * s, 30 * s}},
            RGB(30, 80, 170));
  b.Polygon({{3 * s, 10 * s}, {29 * s, 10 * s}, {29 * s, 15 * s}, {3 * s, 15 * s}},
            RGB(50, 110, 210));
  b.Polygon({{14 * s, 10 * s}, {18 * s, 10 * s}, {18 * s, 30 * s}, {14 * s, 30 * s}},
            RGB(250, 200, 40));
  b.Ellipse(11.5 * s, 7 * s, 5 * s, 3 * s, RGB(250, 200, 40), 0.5);
  b.Ellipse(20.5 * s, 7 * s, 5 * s, 3 * s, RGB(250, 200, 40), -0.5);
  b.Disc(16 * s, 9.5 * s, 2.5 * s, RGB(220, 160, 20));
}

void BellIcon(TArtboard& b, double s) {
  TContour bell;
  for (int i = 0; i <= 20; ++i) {  // the right side of the bell, top to rim
    const double t = i / 20.0;
    bell.push_back({16 * s + (3 + 9 * std::pow(t, 1.6)) * s, (6 + 19 * t) * s});
  }
  bell.push_back({29 * s, 26 * s});
  bell.push_back({3 * s, 26 * s});
  for (int i = 20; i >= 0; --i) {
    const double t = i / 20.0;
    bell.push_back({16 * s - (3 + 9 * std::pow(t, 1.6)) * s, (6 + 19 * t) * s});
  }
  b.Disc(16 * s, 6.5 * s, 4 * s, RGB(200, 150, 20));
  b.Polygon(bell, RGB(200, 150, 20));
  b.Ellipse(16 * s, 26 * s, 13 * s, 2 * s, RGB(170, 120, 10));
  b.Disc(16 * s, 28.5 * s, 2.8 * s, RGB(140, 100, 10));
  b.Ellipse(11.5 * s, 15 * s, 1.6 * s, 6 * s, RGB(255, 235, 140), 0.25);
  b.Ellipse(10 * s, 4 * s, 4 * s, 2.2 * s, RGB(200, 20, 40), 0.4);
  b.Ellipse(22 * s, 4 * s, 4 * s, 2.2 * s, RGB(200, 20, 40), -0.4);
  b.Disc(16 * s, 4.5 * s, 2 * s, RGB(160, 10, 30));
}

void SnowflakeIcon(TArtboard& b, double s) {
  const TColor ice = RGB(70, 150, 230);
  for (int i = 0; i < 6; ++i) {
    const double t = kPi * i / 3 - kPi / 2;
    auto at = [&](double r, double turn) {
      return TPointF{16 * s + r * s * std::cos(t + turn), 16 * s + r * s * std::sin(t + turn)};
    };
    b.Line({at(0, 0), at(14, 0)}, 2.4 * s, ice);
    for (double r : {6.0, 10.0}) {
      const TPointF base = at(r, 0);
      for (double side : {-1.0, 1.0}) {
        const double u = t + side * kPi / 4;
        b.Line({base, {base.X + 4.5 * s * std::cos(u), base.Y + 4.5 * s * std::sin(u)}}, 1.8 * s,
               ice);
      }
    }
  }
  b.Disc(16 * s, 16 * s, 3 * s, RGB(160, 210, 255));
}

void MoonIcon(TArtboard& b, double s) {
  TContour crescent;
  for (int i = 0; i <= 40; ++i) {  // the outer edge, top to bottom
    const double t = -kPi / 2 + kPi * i / 40;
    crescent.push_back({(15 + 13 * std::cos(t)) * s, (16 + 13 * std::sin(t)) * s});
  }
  for (int i = 40; i >= 0; --i) {  // the inner edge back up
    const double t = -kPi / 2 + kPi * i / 40;
    crescent.push_back({(15 + 5 * std::cos(t)) * s, (16 + 13 * std::sin(t)) * s});
  }
  b.Polygon(crescent, RGB(230, 190, 40));
  b.Disc(22 * s, 12 * s, 1.5 * s, RGB(255, 240, 170));
  b.Disc(20 * s, 21 * s, 1.1 * s, RGB(255, 240, 170));
  b.Star(6 * s, 8 * s, 3.5 * s, 1.3 * s, 4, 0, RGB(250, 220, 90));
  b.Star(8 * s, 24 * s, 2.5 * s, 1 * s, 4, 0, RGB(250, 220, 90));
}

void CloverIcon(TArtboard& b, double s) {
  b.Line({{16 * s, 17 * s}, {19 * s, 25 * s}, {24 * s, 30.5 * s}}, 2.2 * s, RGB(30, 110, 40));
  for (int i = 0; i < 4; ++i) {
    const double t = kPi / 2 * i + kPi / 4;
    // Each leaf is a heart pointing at the middle.
    b.Heart(16 * s + 7 * s * std::cos(t), 15 * s + 7 * s * std::sin(t), 15 * s, RGB(40, 140, 50),
            t + kPi / 2);
    b.Heart(16 * s + 7 * s * std::cos(t), 15 * s + 7 * s * std::sin(t), 11 * s, RGB(80, 190, 80),
            t + kPi / 2);
  }
  b.Disc(16 * s, 15 * s, 2 * s, RGB(40, 140, 50));
}

TArgbPicture Render(const TDesign& design, int side) {
  const double s = side / 32.0;
  return DrawWithAlpha(side, [&](TArtboard& board) { design(board, s); });
}

}  // namespace

std::vector<TNamedFile> MakeIcons() {
  const std::vector<std::pair<const char*, TDesign>> designs = {
      {"heart.ico", HeartIcon},   {"star.ico", StarIcon},           {"sun.ico", SunIcon},
      {"flower.ico", FlowerIcon}, {"balloon.ico", BalloonIcon},     {"gift.ico", GiftIcon},
      {"bell.ico", BellIcon},     {"snowflake.ico", SnowflakeIcon}, {"moon.ico", MoonIcon},
      {"clover.ico", CloverIcon},
  };
  std::vector<TNamedFile> files;
  for (const auto& [name, design] : designs) {
    std::vector<TIconImage> images;
    for (int side : {48, 32, 16}) images.push_back({Render(design, side), 0, 0});
    files.push_back({name, WriteIconFile(images, false)});
  }
  return files;
}

namespace {

constexpr int kCursorSide = 32;
constexpr int kCursorFrames = 8;

// One cursor frame as a cursor file.
std::string CursorFrame(const TDesign& design, int hotX, int hotY) {
  return WriteIconFile({{Render(design, kCursorSide), hotX, hotY}}, true);
}

std::string Animated(const std::function<TDesign(int frame)>& designOf, int hotX, int hotY,
                     int jiffies, const std::string& title) {
  std::vector<std::string> frames;
  std::vector<TAniStep> steps;
  for (int i = 0; i < kCursorFrames; ++i) {
    frames.push_back(CursorFrame(designOf(i), hotX, hotY));
    steps.push_back({i, jiffies});
  }
  return WriteAniFile(frames, steps, title);
}

}  // namespace

std::vector<TNamedFile> MakeCursors() {
  // A wand pointing up-left whose star sparkles.
  auto wand = [](int frame) -> TDesign {
    return [frame](TArtboard& b, double s) {
      b.Line({{9 * s, 9 * s}, {29 * s, 29 * s}}, 3.6 * s, RGB(40, 30, 60));
      b.Line({{9 * s, 9 * s}, {12 * s, 12 * s}}, 3.0 * s, RGB(250, 250, 250));
      const double glow = 0.75 + 0.25 * std::sin(2 * kPi * frame / kCursorFrames);
      const double turn = kPi / 4 * frame / kCursorFrames;
      b.Star(7 * s, 7 * s, 7 * glow * s, 2.4 * s, 4, turn, RGB(255, 200, 40));
      b.Star(7 * s, 7 * s, 4 * glow * s, 1.5 * s, 4, turn, RGB(255, 250, 200));
      for (int k = 0; k < 3; ++k) {
        const double phase = 2 * kPi * (frame + 3 * k) / kCursorFrames;
        const double size = 1.2 + 1.2 * (0.5 + 0.5 * std::sin(phase));
        b.Star((14 + 6 * k) * s, (4 + 5 * k) * s, size * s, 0.6 * s, 4, 0, RGB(255, 230, 120));
      }
    };
  };
  // A heart that beats twice and rests.
  auto heart = [](int frame) -> TDesign {
    static constexpr double kBeat[kCursorFrames] = {1.0, 1.12, 1.0, 1.1, 1.0, 0.97, 0.97, 0.98};
    return [frame](TArtboard& b, double s) {
      const double w = 24 * kBeat[frame];
      b.Heart(16 * s, 16.5 * s, (w + 3) * s, RGB(140, 0, 30));
      b.Heart(16 * s, 16 * s, w * s, RGB(230, 30, 70));
      b.Ellipse((16 - w / 4) * s, (16 - w / 6) * s, 2.5 * s, 1.6 * s, RGB(255, 160, 180), -0.6);
    };
  };
  // A golden star turning round.
  auto star = [](int frame) -> TDesign {
    return [frame](TArtboard& b, double s) {
      const double turn = 2 * kPi / 5 * frame / kCursorFrames;
      b.Star(16 * s, 16 * s, 15 * s, 6.5 * s, 5, turn, RGB(180, 110, 0));
      b.Star(16 * s, 16 * s, 12.5 * s, 5.4 * s, 5, turn, RGB(255, 210, 50));
      b.Disc(16 * s, 16 * s, 2.5 * s, RGB(255, 245, 190));
    };
  };
  return {
      {"wand.ani", Animated(wand, 7, 7, 8, "Sparkling Wand")},
      {"heartbeat.ani", Animated(heart, 16, 16, 7, "Beating Heart")},
      {"spinstar.ani", Animated(star, 16, 16, 6, "Turning Star")},
  };
}

}  // namespace lumigram::content
