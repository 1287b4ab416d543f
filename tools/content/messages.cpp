// Messages for the usual occasions, each with a font and colour that suit it.

#include "card/message_file.h"
#include "tools/content/samples.h"

namespace lumigram::content {

namespace {

struct TMessageSample {
  const char* Name;
  std::vector<std::string> Lines;
  const char* Face;
  int Points;
  bool Bold;
  bool Italic;
  TColor Colour;
  uint8_t HAlign;
  uint8_t VAlign;
  bool Flash;
};

}  // namespace

std::vector<TNamedFile> MakeMessages() {
  const TMessageSample samples[] = {
      {"birthday.msg",
       {"Happy Birthday!", "Wishing you a wonderful day"},
       "Times New Roman",
       20,
       true,
       true,
       RGB(200, 20, 60),
       kAlignCentre,
       kAlignBottom,
       false},
      {"congratulations.msg",
       {"Congratulations!"},
       "Arial",
       24,
       true,
       false,
       RGB(255, 200, 0),
       kAlignCentre,
       kAlignCentre,
       true},
      {"christmas.msg",
       {"Merry Christmas", "and a Happy New Year"},
       "Times New Roman",
       22,
       true,
       false,
       RGB(255, 255, 255),
       kAlignCentre,
       kAlignTop,
       false},
      {"thankyou.msg",
       {"Thank You!"},
       "Georgia",
       26,
       false,
       true,
       RGB(30, 60, 150),
       kAlignRight,
       kAlignBottom,
       false},
      {"getwell.msg",
       {"Get well soon", "Thinking of you"},
       "Verdana",
       16,
       true,
       false,
       RGB(20, 120, 60),
       kAlignLeft,
       kAlignTop,
       false},
      {"love.msg",
       {"With Love"},
       "Georgia",
       28,
       true,
       true,
       RGB(230, 30, 90),
       kAlignCentre,
       kAlignCentre,
       true},
      {"newyear.msg",
       {"Happy New Year!", "All the best for the year ahead"},
       "Arial",
       18,
       true,
       false,
       RGB(255, 215, 60),
       kAlignCentre,
       kAlignBottom,
       true},
  };
  std::vector<TNamedFile> files;
  for (const TMessageSample& sample : samples) {
    TLumigramInfo info;
    info.Font.Name = sample.Face;
    info.Font.SetSize(sample.Points);
    info.Font.Bold = sample.Bold;
    info.Font.Italic = sample.Italic;
    info.Font.Charset = kAnsiCharset;
    info.Font.Color = sample.Colour;
    info.Message = sample.Lines;
    info.HAlign = sample.HAlign;
    info.VAlign = sample.VAlign;
    info.Flash = sample.Flash;
    files.push_back({sample.Name, WriteMessageFile(info)});
  }
  return files;
}

}  // namespace lumigram::content
