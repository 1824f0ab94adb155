#include "session/config/free_format.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

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

Result<std::string> ReadTextFile(const std::string& path) {
  FILE* in = std::fopen(path.c_str(), "rb");
  if (!in) return std::unexpected(CannotRead(path, errno));
  std::string text;
  char buffer[1 << 16];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) text.append(buffer, n);
  const bool failed = std::ferror(in) != 0;
  const int code = errno;
  std::fclose(in);
  if (failed) return std::unexpected(CannotRead(path, code));
  return text;
}

}  // namespace pixmora
