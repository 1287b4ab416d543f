#pragma once
// Names for the short-lived files a card hands to other programs (its sound
// and cursor). They live in a folder only this user can enter, so no other
// user can plant a link under the next name, and each name is claimed by
// creating the file exclusively before it is returned.

#include <string>

namespace lumigram {

// $XDG_RUNTIME_DIR/lumigram/ when that variable is set, else
// $TMPDIR/lumigram-<uid>/ (TMPDIR defaulting to /tmp); created with mode 0700
// and refused when it is a link, another user's, or open to others.
// Empty when no such folder can be had.
std::string PrivateTempFolder();

// PrivateTempFolder + process id + "-" + counter + "." + ext, created empty
// with mode 0600. The counter counts up per call and wraps to 0. Empty on
// failure.
std::string MakeTempFileName(const std::string& ext);

}  // namespace lumigram
