#include "tools/lumigram/arguments.h"

#include <charconv>

namespace lumigram::cli {

bool TArguments::Parse(const std::vector<std::string>& args) {
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (optionsEnded || word.size() < 3 || word.rfind("--", 0) != 0) {
      positional_.push_back(word);
      continue;
    }
    if (word == "--") {
      optionsEnded = true;
      continue;
    }
    const std::string name = word.substr(2);
    if (knownFlags_.count(name)) {
      flags_.insert(name);
    } else if (knownOptions_.count(name)) {
      if (i + 1 >= args.size()) {
        problem_ = "--" + name + " needs a value";
        return false;
      }
      options_[name] = args[++i];
    } else {
      problem_ = "unknown option " + word;
      return false;
    }
  }
  return true;
}

std::string TArguments::Option(const std::string& name, const std::string& fallback) const {
  const auto found = options_.find(name);
  return found == options_.end() ? fallback : found->second;
}

bool TArguments::IntOption(const std::string& name, long long& value, long long fallback) const {
  const auto found = options_.find(name);
  if (found == options_.end()) {
    value = fallback;
    return true;
  }
  const std::string& text = found->second;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace lumigram::cli
