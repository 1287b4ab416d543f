#pragma once
// Inflating a zlib stream that is already in memory straight into the
// caller's buffers. The stream classes copy every byte through their own
// buffers; a card body of several megabytes should be written once.

#include <zlib.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace lumigram {

class TMemoryInflater {
 public:
  // Raises EDecompressionError when zlib cannot start.
  explicit TMemoryInflater(std::string_view packed);
  ~TMemoryInflater();
  TMemoryInflater(const TMemoryInflater&) = delete;
  TMemoryInflater& operator=(const TMemoryInflater&) = delete;

  // Inflates up to count bytes into out. Fewer means the zlib stream ended
  // or the packed bytes ran out. Raises EDecompressionError on damaged data.
  size_t Read(char* out, size_t count);
  // Appends up to count inflated bytes to text and returns how many. The
  // text grows with what actually arrives, so a length claimed by forged
  // data costs no more memory than the data holds; reserve first to have
  // the bytes written in place once.
  size_t AppendTo(std::string& text, size_t count);

  // zlib reported the end of the stream (trailer checked).
  bool Ended() const { return ended_; }

 private:
  z_stream zrec_{};
  std::string_view rest_;  // packed bytes not yet handed to zlib
  bool ended_ = false;
};

}  // namespace lumigram
