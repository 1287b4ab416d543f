#pragma once
// lumigram card: the parts shared by its three forms.

#include <string>
#include <vector>

namespace lumigram::cli {

inline constexpr const char* kCardCommandName = "card";

// The card data of a card file (from byte 205,823 on) or of bare card data
// (starting "LG1.0"). False with the failure text.
bool ReadCardInput(const std::string& path, std::string& data, std::string& error);

int RunCardMake(const std::vector<std::string>& args);

}  // namespace lumigram::cli
