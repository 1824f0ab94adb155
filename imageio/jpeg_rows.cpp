#include "imageio/jpeg_rows.h"

#include <csetjmp>
#include <cstdio>
// The JPEG library's header needs size_t and FILE declared before it.
#include <jpeglib.h>
#include <jerror.h>

namespace pixmora {

struct JpegRows::State {
  jpeg_decompress_struct info{};
  struct {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    bool cutShort = false;
  } error{};
  FILE* file = nullptr;
  bool created = false;
  ~State() {
    if (created) jpeg_destroy_decompress(&info);
    if (file) std::fclose(file);
  }
};

namespace {

using Error = decltype(JpegRows::State::error);

// FreeImage's reader goes on past a marker it does not know; every other
// error ends the file.
void ErrorExit(j_common_ptr info) {
  if (info->err->msg_code == JERR_UNKNOWN_MARKER) return;
  std::longjmp(reinterpret_cast<Error*>(info->err)->jump, 1);
}

// FreeImage tells a file cut short by the library's first warning being
// that one: it keeps the first warning only, as the library shows it.
void EmitMessage(j_common_ptr info, int level) {
  if (level >= 0) return;
  auto* error = reinterpret_cast<Error*>(info->err);
  if (info->err->num_warnings == 0 && info->err->msg_code == JWRN_JPEG_EOF) error->cutShort = true;
  ++info->err->num_warnings;
}

// Reads the header and starts decoding as FreeImage does; false when the
// file is not a colour YCbCr JPEG or its header is damaged.
bool Start(JpegRows::State& s) {
  if (setjmp(s.error.jump)) return false;
  jpeg_create_decompress(&s.info);
  s.created = true;
  jpeg_stdio_src(&s.info, s.file);
  jpeg_read_header(&s.info, TRUE);
  if (s.info.num_components != 3 || s.info.jpeg_color_space != JCS_YCbCr) return false;
  s.info.dct_method = JDCT_IFAST;
  s.info.do_fancy_upsampling = FALSE;
  s.info.out_color_space = JCS_EXT_RGBX;
  jpeg_start_decompress(&s.info);
  return true;
}

bool ReadRows(JpegRows::State& s, uint32_t* const* rows, int count) {
  if (setjmp(s.error.jump)) return false;
  for (int done = 0; done < count;) {
    auto* next = reinterpret_cast<JSAMPARRAY>(const_cast<uint32_t**>(rows + done));
    const auto read = jpeg_read_scanlines(&s.info, next, static_cast<JDIMENSION>(count - done));
    if (read == 0) return false;
    done += static_cast<int>(read);
  }
  if (s.info.output_scanline == s.info.output_height) jpeg_finish_decompress(&s.info);
  return true;
}

// FreeImage's reading of the header's resolution.
uint32_t DotsPerMeter(const jpeg_decompress_struct& info, UINT16 density) {
  if (info.density_unit == 1) return static_cast<uint32_t>(static_cast<float>(density) / 0.0254 + 0.5);
  if (info.density_unit == 2) return static_cast<uint32_t>(density) * 100;
  return 0;
}

}  // namespace

std::shared_ptr<JpegRows> JpegRows::Open(const std::string& path) {
  auto state = std::make_unique<State>();
  state->file = std::fopen(path.c_str(), "rb");
  if (!state->file) return nullptr;
  state->info.err = jpeg_std_error(&state->error.manager);
  state->error.manager.error_exit = ErrorExit;
  state->error.manager.emit_message = EmitMessage;
  if (!Start(*state)) return nullptr;
  return std::shared_ptr<JpegRows>(new JpegRows(std::move(state)));
}

JpegRows::JpegRows(std::unique_ptr<State> state) : s_(std::move(state)) {}
JpegRows::~JpegRows() = default;

int JpegRows::Width() const { return static_cast<int>(s_->info.output_width); }
int JpegRows::Height() const { return static_cast<int>(s_->info.output_height); }
uint32_t JpegRows::DotsPerMeterX() const { return DotsPerMeter(s_->info, s_->info.X_density); }
uint32_t JpegRows::DotsPerMeterY() const { return DotsPerMeter(s_->info, s_->info.Y_density); }
bool JpegRows::Read(uint32_t* const* rows, int count) { return ReadRows(*s_, rows, count); }
bool JpegRows::CutShort() const { return s_->error.cutShort; }

}  // namespace pixmora
