#include "imageio/save_settings.h"

#include <algorithm>
#include <iterator>

namespace pixmora {

namespace {

// By PngCompression's values.
constexpr const char* kWords[] = {"default", "fast", "best"};

}  // namespace

const char* PngCompressionWord(PngCompression compression) { return kWords[static_cast<int>(compression)]; }

bool PngCompressionFromWord(const std::string& word, PngCompression& compression) {
  const auto found = std::find(std::begin(kWords), std::end(kWords), word);
  if (found == std::end(kWords)) return false;
  compression = static_cast<PngCompression>(found - std::begin(kWords));
  return true;
}

}  // namespace pixmora
