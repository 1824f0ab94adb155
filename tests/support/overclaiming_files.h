// Small files that claim large pictures: for each format whose claimed size
// can exceed what its bytes hold, a valid header and a little data, far less
// than the claimed picture needs. A decoder that believes the header makes
// the whole picture and works through it.
#pragma once
#include <string>
#include <vector>

namespace pixmora::test {

// Writes them into folder (ending with '/'); answers the file paths.
std::vector<std::string> WriteOverclaimingFiles(const std::string& folder);

}  // namespace pixmora::test
