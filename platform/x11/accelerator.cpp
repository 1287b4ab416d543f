#include "platform/x11/accelerator.h"

#include "platform/x11/utf8.h"

namespace lumigram {

TAcceleratedText ParseAccelerator(std::string_view caption) {
  TAcceleratedText result;
  for (size_t i = 0; i < caption.size();) {
    if (caption[i] != '&' || i + 1 == caption.size()) {
      const size_t start = i;
      NextCodePoint(caption, i);
      result.Text.append(caption.substr(start, i - start));
      continue;
    }
    ++i;
    if (caption[i] == '&') {
      result.Text += '&';
      ++i;
      continue;
    }
    const size_t start = i;
    const char32_t c = NextCodePoint(caption, i);
    // The first mark counts; later ones only vanish.
    if (result.Key == 0) {
      result.Mark = result.Text.size();
      result.MarkLength = i - start;
      result.Key = FoldAscii(c);
    }
    result.Text.append(caption.substr(start, i - start));
  }
  return result;
}

}  // namespace lumigram
