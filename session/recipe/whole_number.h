// A whole number as recipe words give it.
#pragma once
#include <cstdlib>
#include <string>

namespace pixmora {

// Whether text is a whole number from lo to hi, and nothing else (then value is it).
inline bool ParseWholeNumber(const std::string& text, long lo, long hi, long& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  value = std::strtol(text.c_str(), &end, 10);
  return *end == '\0' && value >= lo && value <= hi;
}

}  // namespace pixmora
