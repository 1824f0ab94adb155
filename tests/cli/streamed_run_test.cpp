// A colour JPEG to a JPEG through commands whose every pixel depends on that
// pixel alone goes from the decoder to the encoder a band of rows at a time;
// every other run goes the usual way.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli/batch_run.h"
#include "cli/batch_stream.h"
#include "imageio/picture_files.h"
#include "imageio/write_picture.h"
#include "session/recipe/recipe_run.h"
#include "tests/support/picture_files.h"
#include "tests/support/run_command.h"
#include "tests/support/same_pixels.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

class StreamedRun : public ::testing::Test {
 protected:
  void TearDown() override { test::RemoveFolder(dir); }

  cli::StreamedRun Run(std::vector<std::string> words) {
    words.insert(words.end(), {"--color1", "200,30,90"});
    Result<cli::ApplyRequest> request = cli::ParseApply(words);
    EXPECT_TRUE(request) << request.error().Message();
    cli::StageTimes times;
    const Result<PictureFormat> format = cli::OutputFormat(request->output);
    return cli::RunStreamed(*request, *format, times, [this](const std::string& n) { notes += n; });
  }

  std::string dir = test::MakeScratchFolder();
  // Wide enough for the JPEG library's vector code, and a last band short.
  const std::string jpeg = test::WriteTestPicture(test::Varied(301, 77), dir + "a.jpg", PictureFormat::Jpeg);
  std::string notes;
};

}  // namespace

// The bytes the engine's result gives written whole, for each command that
// has a map and for a chain of them.
TEST_F(StreamedRun, GivesTheBytesOfTheEnginesResult) {
  std::vector<std::vector<std::string>> runs;
  for (const CatalogueEntry& e : Catalogue())
    if (e.map) runs.push_back({e.key});
  runs.push_back({"grayscale", "full-colors", "swap-red-blue"});
  for (const std::vector<std::string>& keys : runs) {
    SCOPED_TRACE(keys.front() + (keys.size() > 1 ? " chained" : ""));
    test::Session s(LoadPictureFile(jpeg));
    s.ws.values.colour1[0] = 200, s.ws.values.colour1[1] = 30, s.ws.values.colour1[2] = 90;
    for (size_t i = 0; i < keys.size(); ++i) {
      if (i > 0) HandResultOn(s.ws, Slot::ImageA);
      test::RunByKey(s.ws, keys[i]);
    }
    ASSERT_TRUE(WritePictureFile(s.ws.Pic4.Image(), dir + "expected.jpg", PictureFormat::Jpeg));
    std::vector<std::string> words = {jpeg, dir + "out.jpg"};
    words.insert(words.end(), keys.begin(), keys.end());
    const cli::StreamedRun run = Run(words);
    ASSERT_TRUE(run.done && *run.done) << "not streamed, or failed";
    EXPECT_TRUE(test::FileBytes(dir + "out.jpg") == test::FileBytes(dir + "expected.jpg")) << "other bytes";
  }
}

// A picture the decoder sends whole is read once and handed back; a command
// that reads its neighbours, a selection, another output format or a
// flattening never start the decoder this way.
TEST_F(StreamedRun, OtherRunsGoTheUsualWay) {
  const std::string png = test::WriteTestPicture(test::Varied(30, 20), dir + "a.png", PictureFormat::Png);
  const cli::StreamedRun fromPng = Run({png, dir + "out.jpg", "grayscale"});
  EXPECT_FALSE(fromPng.done);
  test::ExpectSamePixels(fromPng.imageA, test::Varied(30, 20));
  for (const std::vector<std::string>& words :
       {std::vector<std::string>{jpeg, dir + "out.jpg", "grayscale", "fog"},
        {jpeg, dir + "out.jpg", "select=0,0,5,5", "grayscale"},
        {jpeg, dir + "out.png", "grayscale"},
        {jpeg, dir + "out.jpg", "grayscale", "--flatten", "1,2,3"}}) {
    const cli::StreamedRun run = Run(words);
    EXPECT_FALSE(run.done) << words[2];
    EXPECT_FALSE(run.imageA) << words[2];
  }
  EXPECT_FALSE(std::filesystem::exists(dir + "out.jpg")) << "nothing written";
}

// A JPEG cut short: its note, and its grey rows through the commands.
TEST_F(StreamedRun, AJpegCutShortIsWrittenWithItsNote) {
  const std::string whole = test::FileBytes(jpeg);
  std::ofstream(dir + "cut.jpg", std::ios::binary) << whole.substr(0, whole.size() / 2);
  const cli::StreamedRun run = Run({dir + "cut.jpg", dir + "out.jpg", "image-negative"});
  ASSERT_TRUE(run.done && *run.done);
  EXPECT_EQ(notes, "image A " + dir + "cut.jpg: file is truncated; the missing part is grey");
  EXPECT_EQ(LoadPictureFile(dir + "out.jpg")->At(300, 76), PackRGB(127, 127, 127));
}

}  // namespace pixmora
