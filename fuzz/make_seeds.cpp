// Writes the hostile-file corpus into a folder, as the fuzzer's seeds.
#include <cstdio>

#include "tests/support/hostile_files.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::printf("%zu seeds\n", pixmora::test::WriteHostileFiles(std::string(argv[1]) + "/").size());
  return 0;
}
