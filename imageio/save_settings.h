// What a user may choose about how a picture file is encoded. A setting that
// does not concern the format written is ignored.
#pragma once
#include <string>

namespace pixmora {

enum class PngCompression { Default, Fast, Best };

struct SaveSettings {
  int jpegQuality = 0;  // 1 .. 100 (above, 100); 0 or less: the format's default
  PngCompression pngCompression = PngCompression::Default;
  bool operator==(const SaveSettings&) const = default;
};

// The JPEG quality the format's default stands for.
inline constexpr int kDefaultJpegQuality = 75;

// How the batch tool and recipes spell a PNG compression: "fast", "default",
// "best"; false for any other word.
const char* PngCompressionWord(PngCompression compression);
bool PngCompressionFromWord(const std::string& word, PngCompression& compression);

}  // namespace pixmora
