// The free-format text input of the configuration files: values separated by
// commas or line ends, texts optionally in double quotes.
#pragma once
#include <cstdint>
#include <string>

#include "core/failure.h"

namespace pixmora {

class FreeFormatReader {
 public:
  explicit FreeFormatReader(std::string text) : text_(std::move(text)) {}

  // Each answers false when no value is left or the value does not fit.
  bool NextText(std::string& value);
  bool NextInt16(int16_t& value);
  bool NextInt32(int32_t& value);

 private:
  bool NextField(std::string& field, bool& quoted);

  std::string text_;
  size_t pos_ = 0;
};

// The whole file as text.
Result<std::string> ReadTextFile(const std::string& path);

}  // namespace pixmora
