#include "session/captions/language_file.h"

#include "session/captions/control_names.h"
#include "session/config/free_format.h"

namespace pixmora {

namespace {

// The entry of each operation menu's title; its entries follow it, one per
// entry that is not a separator, in menu order.
struct MenuTitleEntry {
  Menu menu;
  int entry;
  const char* dots;
};
constexpr MenuTitleEntry kMenuTitles[] = {
    {Menu::Color, 86, "....."}, {Menu::Mix, 103, "...."},     {Menu::Filters, 109, "...."},
    {Menu::Special, 128, "...."}, {Menu::Effects, 140, "...."},
};

void AddMenuRules(std::vector<CaptionRule>& rules, const MenuTitleEntry& title) {
  rules.push_back({title.entry, MenuBarName(title.menu), "", title.dots});
  // "Processed Image" shares the Mix Image menu's entry.
  if (title.menu == Menu::Mix) rules.push_back({title.entry, "Label12", "", ""});
  int entry = title.entry + 1;
  for (const CatalogueEntry& e : MenuEntries(title.menu))
    if (!e.IsSeparator()) rules.push_back({entry++, MenuEntryName(title.menu, e.index), "", ""});
}

std::vector<CaptionRule> BuildRules() {
  std::vector<CaptionRule> rules = {
      {18, "mnuapri", "", ""},   {35, "mnuesci", "", ""},   {37, "mnusalvax", "", ""},
      {76, "mnuimma", "", ""},   {76, "Label10", "", ""},   {77, "mnuimmb", "", ""},
      {77, "Label11", "", ""},   {78, "mnusalva", "", ""},  {79, "mnusalvaa", "", ""},
      {80, "mnusalvab", "", ""}, {81, "mnusalvap", "", ""},
  };
  for (const MenuTitleEntry& title : kMenuTitles) AddMenuRules(rules, title);
  const std::vector<CaptionRule> tail = {
      {150, "Frame1", "", ""},
      {151, "Label13", "", ""},
      {152, "Label2", "", ""},
      {153, "Label8", "", ""},
      // The second colour's channel labels repeat the first colour's.
      {154, "Label5(0)", "", ""},
      {155, "Label5(1)", "", ""},
      {156, "Label5(2)", "", ""},
      {154, "Label5(3)", "", ""},
      {155, "Label5(4)", "", ""},
      {156, "Label5(5)", "", ""},
      {157, "Label7(0)", "", " 1"},
      {157, "Label7(1)", "", " 2"},
      {225, "Label1", "%...", ""},
  };
  rules.insert(rules.end(), tail.begin(), tail.end());
  return rules;
}

bool IsValidUtf8(const std::string& s) {
  size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    const int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (extra < 0 || i + extra > s.size() - 1) return false;
    for (int k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
    i += extra + 1;
  }
  return true;
}

std::string Latin1ToUtf8(const std::string& s) {
  std::string out;
  for (char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

// Lines end with CR LF, LF or CR; a last line without an ending still counts.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
  return lines;
}

}  // namespace

const std::vector<CaptionRule>& CaptionRules() {
  static const std::vector<CaptionRule> rules = BuildRules();
  return rules;
}

std::vector<std::string> LanguageEntries(const std::string& text) {
  const std::vector<std::string> lines = SplitLines(IsValidUtf8(text) ? text : Latin1ToUtf8(text));
  size_t first = 0;
  while (first < lines.size() && lines[first] != "VARY" && lines[first] != "*VARIE*") ++first;
  if (first == lines.size()) return {};
  return {lines.begin() + static_cast<std::ptrdiff_t>(first) + 1, lines.end()};
}

Result<std::vector<std::string>> ReadLanguageFile(const std::string& path) {
  const Result<std::string> text = ReadTextFile(path);
  if (!text) return std::unexpected(text.error());
  return LanguageEntries(*text);
}

void ApplyLanguage(const std::vector<std::string>& entries, CaptionTarget& target) {
  for (const CaptionRule& rule : CaptionRules())
    if (rule.entry < static_cast<int>(entries.size()))
      target.SetCaption(rule.control, rule.prefix + entries[rule.entry] + rule.suffix);
  target.SetCaption("mnutex", target.Caption("mnusalvax") + " Texture (256x256)");
  target.SetCaption("mnusalvap", target.Caption("mnuapri") + " Pattern..");
}

}  // namespace pixmora
