// libFuzzer target: the decoding path (format detection, the size probe, the
// newer-BMP header rewrite, FreeImage's decoders) on arbitrary bytes.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "imageio/bmp_header_fix.h"
#include "imageio/decode_file.h"

namespace {

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
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  pixmora::DecodeResult r = pixmora::DecodeFile(ScratchFile(), 0);
  if (r.bitmap) FreeImage_Unload(r.bitmap);
  return 0;
}
