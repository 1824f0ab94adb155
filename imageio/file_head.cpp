#include "imageio/file_head.h"

#include <filesystem>
#include <fstream>

namespace pixmora {

namespace {

uint32_t Field(const FileHead& head, size_t at, int size, bool bigEndian) {
  uint32_t value = 0;
  for (int i = 0; i < size; ++i) {
    const int shift = 8 * (bigEndian ? size - 1 - i : i);
    value |= static_cast<uint32_t>(head.At(at + i)) << shift;
  }
  return value;
}

}  // namespace

uint32_t FileHead::Le16(size_t at) const { return Field(*this, at, 2, false); }
uint32_t FileHead::Le32(size_t at) const { return Field(*this, at, 4, false); }
uint32_t FileHead::Be16(size_t at) const { return Field(*this, at, 2, true); }
uint32_t FileHead::Be32(size_t at) const { return Field(*this, at, 4, true); }

FileHead ReadHead(const std::string& path, size_t count) {
  FileHead head;
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  head.fileBytes = ec ? 0 : static_cast<int64_t>(size);
  std::ifstream in(path, std::ios::binary);
  head.bytes.resize(count);
  in.read(reinterpret_cast<char*>(head.bytes.data()), static_cast<std::streamsize>(count));
  head.bytes.resize(static_cast<size_t>(in.gcount()));
  return head;
}

}  // namespace pixmora
