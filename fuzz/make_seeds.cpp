// Writes the hostile files of the tests into a folder, as the fuzzer's seeds.
#include <cstdio>

#include "tests/support/hostile_files.h"
#include "tests/support/overclaiming_files.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string folder = std::string(argv[1]) + "/";
  const size_t seeds = pixmora::test::WriteHostileFiles(folder).size() +
                       pixmora::test::WriteOverclaimingFiles(folder).size();
  std::printf("%zu seeds\n", seeds);
  return 0;
}
