#pragma once
// The picture formats the program reads, in the order of the picture dialog's
// filters, and loading a file by its extension into a 24-bit bitmap.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "imaging/bitmap/bitmap.h"

namespace lumigram {

// One load request: what to read, where to, and what was read.
struct TImageInfoRec {
  std::string FileName;
  TBitmap* Target = nullptr;    // must be given
  int64_t IconBackground = -1;  // painted under an icon's transparent parts; -1 for none
  int BitsPerPixel = 24;        // of the file as read
  std::string ErrorText;
};

struct TOpenImageEventHandler {
  std::string Ext;          // with its dot, stored upper case: ".BMP"
  std::string Description;  // already translated
  std::function<bool(TImageInfoRec&)> Loader;
  // The format has a picture class of its own, so a picture preview can show it.
  bool HasPictureClass = false;
};

class TOpenImageEventCollection {
 public:
  static constexpr int kCapacity = 100;

  // Replaces an entry with the same extension in place, else appends; -1 when full.
  int Add(TOpenImageEventHandler entry);
  int IndexOfExt(std::string_view ext) const;
  // By the extension of the name part, dot included; -1 without one.
  int IndexOfFile(std::string_view fileName) const;
  bool IsValidIndex(int index) const { return index >= 0 && index < count_; }
  bool Run(int index, TImageInfoRec& request) const;
  void Clear() { count_ = 0; }
  int Count() const { return count_; }
  const TOpenImageEventHandler& Entry(int index) const { return entries_[size_t(index)]; }

  // Dialog filter texts. which: -1 all pictures, -3 each format, -2 both, or
  // one index. style 0: "name|patterns|" pairs; style 1: bare patterns.
  std::string Filter(int which, int style) const;

 private:
  std::array<TOpenImageEventHandler, kCapacity> entries_;
  int count_ = 0;
};

// The registry filled with every format the program reads.
class TOpenImage {
 public:
  // The one shared loader, built on first use (its descriptions are
  // translated then).
  static TOpenImage& Shared();

  TOpenImage();
  bool Load(TImageInfoRec& request) const;
  const TOpenImageEventCollection& Formats() const { return formats_; }

 private:
  TOpenImageEventCollection formats_;
};

}  // namespace lumigram
