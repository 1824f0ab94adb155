// The language files we ship: "English.tra" from the window's design
// captions and "Italiano.tra" from our Italian captions, both laid out by the
// language file's entry numbers.
#pragma once
#include <functional>
#include <optional>
#include <string>

namespace pixmora::data {

// A control's caption in one language, as the window shows it; none when
// the language lacks it.
using CaptionSource = std::function<std::optional<std::string>(const std::string& control)>;

// The file's text: a header, the marker line, then the entries 0 .. 225.
// False when the language lacks a caption the entries need.
bool LanguageFileText(const std::string& language, const CaptionSource& captions, std::string& text);

std::optional<std::string> EnglishCaption(const std::string& control);
std::optional<std::string> ItalianCaption(const std::string& control);

}  // namespace pixmora::data
