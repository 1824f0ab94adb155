#include "imageio/jpeg_writer.h"

#include <algorithm>
#include <csetjmp>
#include <vector>
// The JPEG library's header needs size_t and FILE declared before it.
#include <jpeglib.h>

#include "imageio/row_exchange.h"
#include "imageio/save_settings.h"

namespace pixmora {

namespace {

struct ErrorJump {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void JumpOut(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
}

// The compression set as FreeImage sets it; the rows come as the picture's
// own colours.
void Configure(jpeg_compress_struct& info, int width, int height, int quality, uint32_t dotsPerMeter) {
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 4;
  info.in_color_space = JCS_EXT_RGBX;
  jpeg_set_defaults(&info);
  // FreeImage truncates to 16 bits what it rounds.
  const auto dpi = static_cast<UINT16>(0.5 + 0.0254 * dotsPerMeter);
  info.X_density = dpi;
  info.Y_density = dpi;
  info.density_unit = 1;  // dots an inch
  jpeg_set_quality(&info, quality, TRUE);
}

// Everything between the library's set-up and its end, where an error may
// jump back: only plain data lives in this frame.
bool Compress(jpeg_compress_struct& info, ErrorJump& error, const PixelBuffer& picture, FILE* stream,
              int quality, uint32_t dotsPerMeter, uint32_t* band) {
  if (setjmp(error.jump)) return false;
  const int width = picture.Width(), height = picture.Height();
  jpeg_stdio_dest(&info, stream);
  Configure(info, width, height, quality, dotsPerMeter);
  jpeg_start_compress(&info, TRUE);
  uint32_t* rows[kRowBand];
  JSAMPROW pointers[kRowBand];
  for (int y0 = 0; y0 < height; y0 += kRowBand) {
    const int count = std::min(height - y0, kRowBand);
    for (int i = 0; i < count; ++i) {
      rows[i] = band + static_cast<size_t>(width) * i;
      pointers[i] = reinterpret_cast<JSAMPROW>(rows[i]);
    }
    ColumnsToColourRows(picture, y0, count, rows);
    jpeg_write_scanlines(&info, pointers, static_cast<JDIMENSION>(count));
  }
  jpeg_finish_compress(&info);
  return true;
}

}  // namespace

int JpegQuality(int flags) {
  const int quality = flags & 0x7F;
  return quality == 0 ? kDefaultJpegQuality : quality;
}

bool WriteJpeg(const PixelBuffer& picture, FILE* stream, int quality, uint32_t dotsPerMeter) {
  std::vector<uint32_t> band(static_cast<size_t>(picture.Width()) * kRowBand);
  jpeg_compress_struct info{};
  ErrorJump error{};
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = JumpOut;
  jpeg_create_compress(&info);
  const bool written = Compress(info, error, picture, stream, quality, dotsPerMeter, band.data());
  jpeg_destroy_compress(&info);
  return written;
}

}  // namespace pixmora
