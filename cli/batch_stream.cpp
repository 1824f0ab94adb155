#include "cli/batch_stream.h"

#include "core/file_messages.h"
#include "imageio/row_receiver.h"
#include "imageio/picture_files.h"
#include "imageio/write_picture.h"
#include "session/recipe/recipe_map.h"
#include "session/workspace.h"

namespace pixmora::cli {

namespace {

// Each band of rows through the commands, then to the file.
class MappedRows : public RowReceiver {
 public:
  MappedRows(const PixelMap& map, JpegRowsFile& file, StageTimes& times) : map_(map), file_(file), times_(times) {}

  bool Start(int width, int height) override {
    width_ = width;
    bool started = false;
    times_.Time(Stage::Encode, [&] { started = file_.Start(width, height); });
    return started;
  }
  bool Band(uint32_t* const* rows, int count) override {
    times_.Time(Stage::Command, [&] {
      for (int i = 0; i < count; ++i) map_(rows[i], width_);
    });
    bool written = false;
    times_.Time(Stage::Encode, [&] { written = file_.Write(rows, count); });
    return written;
  }
  bool Started() const { return width_ > 0; }

 private:
  const PixelMap& map_;
  JpegRowsFile& file_;
  StageTimes& times_;
  int width_ = 0;
};

std::optional<MappedRecipe> Mapped(const ApplyRequest& request, PictureFormat format) {
  if (format != PictureFormat::Jpeg || request.writeAsSaved || request.flatten) return std::nullopt;
  return AsPixelMap(request.recipe);
}

StreamedRun Done(Status status) { return {std::move(status), nullptr}; }

}  // namespace

StreamedRun RunStreamed(const ApplyRequest& request, PictureFormat format, StageTimes& times,
                        const std::function<void(const std::string&)>& report) {
  const std::optional<MappedRecipe> mapped = Mapped(request, format);
  if (!mapped) return {};
  WriteOptions options;
  options.save = request.save;
  JpegRowsFile file(WrittenPath(request.output), options);
  MappedRows rows(mapped->map, file, times);
  std::string note;
  Result<Picture> read;
  times.Time(Stage::Decode, [&] { read = ReadChosenPictureToRows(mapped->imageA, rows, &note); });
  // A band the file could not take stops the decoder: the write says why.
  // Otherwise a file begun goes with `file`, and the reading says why.
  if (!read && file.Failed()) return Done(file.Finish(false));
  if (!read) {
    read.error().role = SlotName(Slot::ImageA);
    return Done(std::unexpected(read.error()));
  }
  if (!note.empty()) report(PictureNote(SlotName(Slot::ImageA), mapped->imageA, note));
  if (!rows.Started()) return {std::nullopt, *read};
  Status written;
  times.Time(Stage::Encode, [&] { written = file.Finish(true); });
  return Done(written);
}

}  // namespace pixmora::cli
