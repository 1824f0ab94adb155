// libFuzzer target: the decoding path (format detection, the size probe and
// the checks of the claimed size, the newer-BMP header rewrite, FreeImage's
// decoders) on arbitrary bytes.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "imageio/bmp_header_fix.h"
#include "imageio/decode_file.h"
#include "imageio/jpeg_rows.h"

namespace {

// The pixels that leave room for a command in the fuzzer's memory limit
// (-rss_limit_mb=2048 in scripts/fuzz), at the decoder's 40 bytes a pixel:
// an input that passes the checks and still runs past the fuzzer's limits of
// time or memory per input is a finding.
constexpr int64_t kPixelBudget = (int64_t{2048} << 20) / 40;

const std::string& ScratchFile() {
  static const std::string path = "/tmp/pixmora-fuzz-" + std::to_string(getpid());
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  (void)pixmora::WithClassicBmpHeader(bytes);
  FILE* f = std::fopen(ScratchFile().c_str(), "wb");
  if (!f) return 0;
  // An empty input comes as a null pointer, which fwrite must not be given.
  if (size > 0) std::fwrite(data, 1, size, f);
  std::fclose(f);
  const pixmora::DecodeResult decoded = pixmora::DecodeFile(ScratchFile(), 0, {}, kPixelBudget);
  if (decoded && decoded->rows) {
    std::vector<uint32_t> row(static_cast<size_t>(decoded->rows->Width()));
    uint32_t* rows[] = {row.data()};
    for (int y = 0; y < decoded->rows->Height() && decoded->rows->Read(rows, 1); ++y) {
    }
  }
  return 0;
}
