#pragma once
// Our texts are UTF-8 (or a language file's code page) with CR LF line
// breaks; Qt wants QString with "\n". Every Qt window shows them through here.

#include <QString>
#include <string>

namespace lumigram {

QString ShownText(const std::string& text);

}  // namespace lumigram
