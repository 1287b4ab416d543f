#pragma once
// A private home for a whole test process: HOME and the XDG folders point
// into a fresh folder of its own, so tests never touch the user's library,
// settings, caches or temporary files, and two test processes that run at
// once (CTest runs the tests of one program in parallel) never share one.
// The shared test mains make it before anything else runs.

#include <string>

namespace lumigram::testing {

class PrivateHome {
 public:
  // Makes <base>/<program>-XXXXXX, where <base> is $LUMIGRAM_TEST_HOMES (set
  // by the test registration) or the build tree's folder for a program
  // started by hand, and points the environment into it. Also names the test
  // data folder when the environment does not.
  explicit PrivateHome(const char* argv0);
  // Removes the folder with everything in it.
  ~PrivateHome();
  PrivateHome(const PrivateHome&) = delete;
  PrivateHome& operator=(const PrivateHome&) = delete;

  // This process's home folder, ending in "/".
  static const std::string& Folder();

 private:
  std::string folder_;
};

}  // namespace lumigram::testing
