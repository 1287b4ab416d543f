#include "imaging/jpeg/jpeg_errors.h"

namespace lumigram {

namespace {

[[noreturn]] void JumpBack(j_common_ptr info) {
  std::longjmp(reinterpret_cast<TJpegErrors*>(info->err)->jump, 1);
}

// Warnings (corrupt or truncated data, which libjpeg fills grey) and traces
// are not worth a word on the console.
void SayNothing(j_common_ptr) {}

}  // namespace

jpeg_error_mgr* SetUpJpegErrors(TJpegErrors& errors) {
  jpeg_std_error(&errors.manager);
  errors.manager.error_exit = JumpBack;
  errors.manager.output_message = SayNothing;
  return &errors.manager;
}

void FailJpeg(j_common_ptr info, int code) {
  info->err->msg_code = code;
  JumpBack(info);
}

}  // namespace lumigram
