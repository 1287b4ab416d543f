#pragma once
// Where short-lived files handed to other programs go.

#include <string>

namespace lumigram::os {

// A folder that no other user can enter, created when missing and refused
// when it is a link, another user's, or open to others and cannot be
// closed. Ends in "/"; empty when no such folder can be had.
std::string PrivateTempFolder();

}  // namespace lumigram::os
