// The first bytes of a file and the fields in them, for the checks that read
// a picture's header themselves. A field beyond the bytes read reads as 0.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace pixmora {

struct FileHead {
  std::vector<uint8_t> bytes;  // the first bytes, as many as asked for and the file has
  int64_t fileBytes = 0;       // the size of the whole file

  uint32_t Le16(size_t at) const;
  uint32_t Le32(size_t at) const;
  uint32_t Be16(size_t at) const;
  uint32_t Be32(size_t at) const;
  uint8_t At(size_t at) const { return at < bytes.size() ? bytes[at] : 0; }
};

// The first count bytes of the file at path (fewer when it is shorter; none
// when it cannot be read).
FileHead ReadHead(const std::string& path, size_t count);

}  // namespace pixmora
