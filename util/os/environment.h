#pragma once
// The user's surroundings as the operating system gives them to the program.

#include <ctime>
#include <string>

namespace lumigram::os {

// The variable's value; empty when it is not set.
std::string Environment(const char* name);
// $HOME, else the home folder the system records for this user; empty when
// neither is known.
std::string HomeFolder();
// The calendar time in the user's time zone.
std::tm LocalTime(std::time_t when);

}  // namespace lumigram::os
