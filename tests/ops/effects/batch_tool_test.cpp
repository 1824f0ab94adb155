// The Filters Special and Effects commands and "Gradient" through
// pixmora-cli give exactly the engine's result.
#include <gtest/gtest.h>

#include "imageio/mfreeimage.h"
#include "imageio/picture_files.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

struct Command {
  Menu menu;
  int index;
};

}  // namespace

TEST(BatchTool, SpecialEffectsAndGradientMatchTheEngine) {
  const std::string dir = test::MakeScratchFolder();
  const std::string input = dir + "in.png";
  const Picture picture = test::Varied(45, 43);
  {
    PictureSurface s;
    s.SetPicture(picture);
    FIBITMAP* b = ImageFromDeviceContext(s);
    ASSERT_TRUE(SaveBitmap(kFormatPng, b, input, 0));
    FreeImage_Unload(b);
  }
  ControlValues values;
  values.colour1[0] = 200, values.colour1[1] = 30, values.colour1[2] = 90;
  values.colour2[0] = 10, values.colour2[1] = 250, values.colour2[2] = 40;
  values.strength = 3;
  const std::string options = " --color1 200,30,90 --color2 10,250,40 --strength 3";

  std::vector<Command> commands{{Menu::Color, 0}};
  for (int i = 0; i <= 10; ++i) commands.push_back({Menu::Special, i});
  for (int i : {0, 1, 2, 3, 5, 6, 7, 8}) commands.push_back({Menu::Effects, i});
  for (const Command& c : commands) {
    const std::string op = std::string(MenuKey(c.menu)) + ":" + std::to_string(c.index);
    const std::string out = dir + "out.bmp";
    ASSERT_EQ(test::RunCommand("XDG_DATA_HOME='" + dir + "' '" PIXMORA_CLI "' apply '" + input +
                               "' '" + out + "' " + op + options),
              0)
        << op;
    test::Session s(picture);
    s.ws.values = values;
    RunMenuCommand(s.ws, c.menu, static_cast<int16_t>(c.index));
    const Picture cli = LoadPictureFile(out);
    ASSERT_TRUE(cli) << op;
    for (int x = 0; x < 45; ++x)
      for (int y = 0; y < 43; ++y) ASSERT_EQ(cli->At(x, y), s.Result(x, y)) << op << " " << x << ", " << y;
  }
  test::RemoveFolder(dir);
}

}  // namespace pixmora
