#include "platform/qt/shown_text.h"

#include "util/code_page.h"

namespace lumigram {

QString ShownText(const std::string& text) {
  QString shown = QString::fromStdString(DisplayUtf8(text));
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

}  // namespace lumigram
