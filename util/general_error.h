#pragma once
// The program's general error. Picture classes raise it from their stream
// loading and saving with their error text; everything else reports failures
// as a result and a text.

#include <stdexcept>
#include <string>

namespace lumigram {

class EGeneralError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace lumigram
