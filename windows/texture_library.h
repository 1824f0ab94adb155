// One texture library: a folder of BMP files whose names begin with a number
// ("001 Wood.bmp"), the list of its files and the number of the last one,
// and the rule that decides which new names it accepts.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace pixmora::windows {

struct TextureLibrary {
  std::string folder;
  // Entry k (1 .. count) is the k-th file listed; entry 0 stays empty.
  std::vector<std::string> names;
  int16_t count = 0;
  int16_t last = 0;  // the number at the start of the last file listed
};

// The number a text starts with (leading blanks skipped), 0 when it starts
// with none.
double NumericValue(const std::string& text);

// Lists folder's BMP files, sorted by name: ".bmp" in any letter case, as
// textures copied from other systems often end in ".BMP".
TextureLibrary LoadTextureFolder(const std::string& folder);

// The listed file a typed name (without extension) stands for: the name
// itself with ".bmp" in any letter case; empty when none is listed.
std::string ListedFile(const TextureLibrary& library, const std::string& text);

// The name check of the OK button. The typed name's first three characters
// are compared with the last file's number; a name of an existing file
// (ListedFile) is accepted (it is overwritten). verdict is the window's flag, -1 accepted and
// 0 refused; it is written back and, when neither rule applies, keeps its
// value. An empty library has last 0, so it accepts any name starting with a
// positive number and the first texture can be saved.
void ValidateTextureName(const TextureLibrary& library, const std::string& text,
                         int16_t& verdict);

// The number a new texture takes: the one after the last; 0 once 999 is
// taken (a listed texture can still be replaced).
int NextTextureNumber(const TextureLibrary& library);

}  // namespace pixmora::windows
