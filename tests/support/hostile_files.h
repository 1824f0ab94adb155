// A corpus of hostile picture files made by our own code: valid files of
// every format cut short, headers claiming absurd sizes, and bit flips.
#pragma once
#include <string>
#include <vector>

namespace pixmora::test {

// Writes the corpus into folder (ending with '/'); answers the file paths.
std::vector<std::string> WriteHostileFiles(const std::string& folder);

}  // namespace pixmora::test
