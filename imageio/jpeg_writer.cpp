#include "imageio/jpeg_writer.h"

#include <csetjmp>
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

}  // namespace

int JpegQuality(int flags) {
  const int quality = flags & 0x7F;
  return quality == 0 ? kDefaultJpegQuality : quality;
}

// The library's state, and where its errors jump back to: only plain data
// lives in the frames between a setjmp and the library's calls.
struct JpegBandWriter::Library {
  jpeg_compress_struct info{};
  ErrorJump error{};
};

JpegBandWriter::JpegBandWriter(FILE* stream, int quality, uint32_t dotsPerMeter)
    : library_(std::make_unique<Library>()), stream_(stream), quality_(quality), dotsPerMeter_(dotsPerMeter) {
  library_->info.err = jpeg_std_error(&library_->error.manager);
  library_->error.manager.error_exit = JumpOut;
  jpeg_create_compress(&library_->info);
}

JpegBandWriter::~JpegBandWriter() { jpeg_destroy_compress(&library_->info); }

bool JpegBandWriter::Failed() {
  failed_ = true;
  return false;
}

bool JpegBandWriter::Start(int width, int height) {
  if (failed_) return false;
  if (setjmp(library_->error.jump)) return Failed();
  jpeg_stdio_dest(&library_->info, stream_);
  Configure(library_->info, width, height, quality_, dotsPerMeter_);
  jpeg_start_compress(&library_->info, TRUE);
  return true;
}

bool JpegBandWriter::Write(const uint32_t* const* rows, int count) {
  if (failed_) return false;
  if (setjmp(library_->error.jump)) return Failed();
  // The library reads the rows, never writes them.
  JSAMPROW pointers[kRowBand];
  for (int i = 0; i < count; ++i) pointers[i] = reinterpret_cast<JSAMPROW>(const_cast<uint32_t*>(rows[i]));
  jpeg_write_scanlines(&library_->info, pointers, static_cast<JDIMENSION>(count));
  return true;
}

bool JpegBandWriter::Finish() {
  if (failed_) return false;
  if (setjmp(library_->error.jump)) return Failed();
  jpeg_finish_compress(&library_->info);
  return true;
}

}  // namespace pixmora
