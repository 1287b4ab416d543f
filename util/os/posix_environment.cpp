#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "util/os/environment.h"

namespace lumigram::os {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string HomeFolder() {
  std::string home = Environment("HOME");
  if (home.empty())
    if (const passwd* entry = ::getpwuid(::getuid())) home = entry->pw_dir ? entry->pw_dir : "";
  return home;
}

std::tm LocalTime(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  return local;
}

}  // namespace lumigram::os
