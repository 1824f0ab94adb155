#include "session/config/free_format.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace pixmora {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }
}  // namespace

bool FreeFormatReader::NextField(std::string& field, bool& quoted) {
  while (pos_ < text_.size() && (IsBlank(text_[pos_]) || IsLineEnd(text_[pos_]))) ++pos_;
  if (pos_ >= text_.size()) return false;
  field.clear();
  quoted = text_[pos_] == '"';
  if (quoted) {
    const size_t close = text_.find('"', pos_ + 1);
    const size_t end = close == std::string::npos ? text_.size() : close;
    field = text_.substr(pos_ + 1, end - pos_ - 1);
    pos_ = end == text_.size() ? end : end + 1;
  }
  // Up to the separator: a comma or a line end.
  const size_t start = pos_;
  while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
  if (!quoted) {
    field = text_.substr(start, pos_ - start);
    while (!field.empty() && IsBlank(field.back())) field.pop_back();
  }
  if (pos_ < text_.size() && text_[pos_] == ',') ++pos_;
  return true;
}

bool FreeFormatReader::NextText(std::string& value) {
  bool quoted;
  return NextField(value, quoted);
}

bool FreeFormatReader::NextInt32(int32_t& value) {
  std::string field;
  bool quoted;
  if (!NextField(field, quoted)) return false;
  errno = 0;
  char* end = nullptr;
  const long long v = std::strtoll(field.c_str(), &end, 10);
  if (end == field.c_str() || errno != 0 || v < INT32_MIN || v > INT32_MAX) return false;
  value = static_cast<int32_t>(v);
  return true;
}

bool FreeFormatReader::NextInt16(int16_t& value) {
  int32_t v;
  if (!NextInt32(v) || v < INT16_MIN || v > INT16_MAX) return false;
  value = static_cast<int16_t>(v);
  return true;
}

bool ReadTextFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream all;
  all << in.rdbuf();
  text = all.str();
  return !in.bad();
}

}  // namespace pixmora
