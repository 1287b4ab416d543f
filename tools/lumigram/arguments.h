#pragma once
// A small command-line reader: positional words, "--flag" switches and
// "--name VALUE" options, each option declared before parsing.

#include <map>
#include <set>
#include <string>
#include <vector>

namespace lumigram::cli {

class TArguments {
 public:
  TArguments(std::set<std::string> flags, std::set<std::string> options)
      : knownFlags_(std::move(flags)), knownOptions_(std::move(options)) {}

  // False with Problem() set on an unknown switch or a missing value.
  bool Parse(const std::vector<std::string>& args);

  const std::vector<std::string>& Positional() const { return positional_; }
  bool Flag(const std::string& name) const { return flags_.count(name) > 0; }
  bool Has(const std::string& name) const { return options_.count(name) > 0; }
  std::string Option(const std::string& name, const std::string& fallback = "") const;
  // An option read as a whole decimal number; false when it is not one.
  bool IntOption(const std::string& name, long long& value, long long fallback) const;
  const std::string& Problem() const { return problem_; }

 private:
  std::set<std::string> knownFlags_, knownOptions_;
  std::vector<std::string> positional_;
  std::set<std::string> flags_;
  std::map<std::string, std::string> options_;
  std::string problem_;
};

}  // namespace lumigram::cli
