#include "app/parameter_list.h"

#include <string_view>

#include "words/record_file.h"

namespace docbase {
namespace {

// Each code page is a name line followed by its description line.
constexpr std::string_view kCodePageLines[] = {
    "Windows-1250",
    "Central Europe languages: Albanian, Croatian, Czech, Hungarian, Polish, Romanian, Serbian "
    "(Latin), Slovak, Slovenian",
    "Windows-1251",
    "Cyrillic languages: Azeri, Belarusian, Bulgarian, Macedonian, Kazakh, Kyrgyz, Mongolian, "
    "Russian, Serbian, Tatar, Ukrainian, Uzbek",
    "Windows-1252",
    "Latin 1 languages: Afrikaans, Basque, Catalan, Danish, Dutch, English, Faroese, Finnish, "
    "French, Galician, German, Icelandic, Indonesian, Italian, Malay, Norwegian, Portuguese, "
    "Spanish, Swahili, Swedish",
    "Windows-1253",
    "Greek",
    "Windows-1254",
    "Turkic languages: Azeri (Latin), Turkish, Uzbek (Latin)",
    "Windows-1255",
    "Hebrew",
    "Windows-1256",
    "Arabic, Farsi, Urdu",
    "Windows-1257",
    "Baltic languages: Estonian, Latvian, Lithuanian",
    "Windows-1258",
    "Vietnamese",
    "Windows-54936",
    "China",
    "Windows-65001",
    "Unicode",
};

constexpr std::string_view kFontColorLines[] = {
    "black", "blue", "brown", "chartreuse", "coral", "forestgreen", "green", "coralyellow", "red",
};

constexpr std::string_view kFontSizeLines[] = {
    "60%", "80%", "100%", "120%", "140%", "160%", "180%", "200%",
};

constexpr std::string_view kFindWordLines[] = {"yes", "no"};

template <std::size_t kCount>
void write_section(LineWriter& list, std::string_view header,
                   const std::string_view (&lines)[kCount]) {
  list.write_line(header);
  for (std::string_view line : lines)
    list.write_line(line);
}

}  // namespace

void write_parameter_list(RunState& run) {
  LineWriter list(run.file("publisher_para.txt"));
  write_section(list, "====== CODE PAGE ======", kCodePageLines);
  write_section(list, "====== FONT COLOR ======", kFontColorLines);
  write_section(list, "====== FONT SIZE ======", kFontSizeLines);
  write_section(list, "====== FIND WORD MENU ======", kFindWordLines);
  list.close();
}

}  // namespace docbase
