// A folder run spread over several machines or scheduler jobs is only sound
// if a picture's result does not depend on which other pictures ran in the
// same run, in what order, or beside which other runs. Here the same folder
// runs once whole, then cut into parts that run at the same time as separate
// processes, sharing the data and temporary folders as jobs on one machine
// do; every result must be the same, byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/support/picture_files.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace fs = std::filesystem;

TEST(SplitRuns, PartsRunAsSeparateProcessesGiveTheBytesOfOneRun) {
  const std::string dir = test::MakeScratchFolder();
  // The shipped data, so "Insert Shape" reads the shipped shape.
  fs::create_directories(dir + "data");
  fs::copy(PIXMORA_SHARE "/VARDELO24", dir + "data/VARDELO24", fs::copy_options::recursive);
  fs::create_directories(dir + "tmp");
  const std::vector<std::string> names = {"a.png", "b.bmp", "c.png", "d.bmp", "e.png", "f.png"};
  const int sizes[][2] = {{37, 29}, {64, 64}, {19, 41}, {80, 12}, {23, 23}, {50, 33}};
  for (size_t i = 0; i < names.size(); ++i) {
    const Picture picture = test::MakeTestPicture(sizes[i][0], sizes[i][1], [i](int x, int y) {
      return PackRGB((x * 5 + y * 11 + 40 * static_cast<int>(i)) & 255, (x * y + 7) & 255,
                     (x * 3 + y * (static_cast<int>(i) + 2)) & 255);
    });
    test::WriteTestPicture(picture, dir + names[i], names[i].ends_with(".png") ? PictureFormat::Png : PictureFormat::Bmp);
  }
  const auto pictures = [&](std::initializer_list<size_t> which) {
    std::string list;
    for (size_t i : which) list += " '" + dir + names[i] + "'";
    return list;
  };
  // Random numbers (Diffuse Images, Disorder), the shape, a slider turn, a
  // colour option, and an image B that each picture fits to its own size in
  // its own working folder, in one chain.
  test::WriteTestPicture(test::Varied(31, 17), dir + "other.png", PictureFormat::Png);
  const std::string commands =
      " 'Diffuse Images' Fog 'Insert Shape' Disorder 'Add hor. blinds' rotate:1"
      " 'Image mixing with A-B' --strength 7 --color1 10,200,30 --image-b '" + dir + "other.png'";
  const std::string cli = "XDG_DATA_HOME='" + dir + "data' TMPDIR='" + dir + "tmp' '" PIXMORA_CLI "' ";
  const auto folderRun = [&](const std::string& out, const std::string& list) {
    return cli + "apply --out-dir '" + dir + out + "' --format png" + list + " --" + commands;
  };

  ASSERT_EQ(test::RunCommand(folderRun("whole", pictures({0, 1, 2, 3, 4, 5}))), 0);

  // Four jobs at once, as a scheduler would start them: two folder runs of
  // two pictures each (in another order), and two runs of one picture each.
  const std::string parts[] = {
      folderRun("parts", pictures({5, 3})),
      folderRun("parts", pictures({1, 4})),
      cli + "apply" + pictures({2}) + " '" + dir + "parts/c.png'" + commands,
      cli + "apply" + pictures({0}) + " '" + dir + "parts/a.png'" + commands,
  };
  fs::create_directories(dir + "parts");
  std::string script = "failed=0; ";
  for (size_t i = 0; i < std::size(parts); ++i) script += parts[i] + " & job" + std::to_string(i) + "=$!; ";
  for (size_t i = 0; i < std::size(parts); ++i) script += "wait $job" + std::to_string(i) + " || failed=1; ";
  std::string err;
  ASSERT_EQ(test::RunCommand(script + "exit $failed", &err), 0) << err;

  for (const std::string& name : names) {
    const std::string output = name.substr(0, name.size() - 4) + ".png";
    const std::string whole = test::FileBytes(dir + "whole/" + output);
    ASSERT_FALSE(whole.empty()) << output;
    EXPECT_TRUE(whole == test::FileBytes(dir + "parts/" + output)) << output << " differs between the runs";
  }
  test::RemoveFolder(dir);
}

}  // namespace pixmora
