#pragma once
// libjpeg reports a fatal error by calling error_exit, which must not return.
// Ours jumps back to the setjmp of the function that called libjpeg, so a
// damaged file never ends the process, and it prints nothing.
//
// The function holding the setjmp must create every C++ object it needs
// before calling setjmp and change none of them between setjmp and the jump.

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t first

#include <jerror.h>
#include <jpeglib.h>

namespace lumigram {

struct TJpegErrors {
  jpeg_error_mgr manager;  // first, so libjpeg's pointer to it is ours too
  std::jmp_buf jump;
};

// Fills the manager in and returns what the codec's err member takes.
jpeg_error_mgr* SetUpJpegErrors(TJpegErrors& errors);

// Raises a fatal error from one of our own callbacks.
[[noreturn]] void FailJpeg(j_common_ptr info, int code);

}  // namespace lumigram
