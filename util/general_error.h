#pragma once
// The program's general error: what the picture classes raise from loading and
// saving, carrying their error text. Callers turn it back into false plus that
// text at their operation's boundary.

#include <stdexcept>
#include <string>

namespace lumigram {

class EGeneralError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace lumigram
