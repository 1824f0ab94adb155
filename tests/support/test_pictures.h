// Helpers shared by the tests: small pictures built pixel by pixel, a
// session with image A loaded, and scratch folders.
#pragma once
#include <functional>
#include <string>

#include "tests/support/run_command.h"
#include "core/picture_surface.h"
#include "tests/support/same_pixels.h"

namespace pixmora::test {

// A picture whose pixel (x, y) is colour(x, y).
Picture MakeTestPicture(int w, int h, const std::function<ColorRef(int, int)>& colour);
Picture Flat(int w, int h, ColorRef c);
// A colourful picture with every channel value in use.
Picture Varied(int w, int h);
// Varied's colours with alpha from transparent to opaque, 0 and 255 among them.
Picture Translucent(int w, int h);

// The side panel's values with this strength and these colours (size 5).
ControlValues Values(int strength, ColorRef colour1, ColorRef colour2 = PackRGB(255, 255, 255));

// A session with image A loaded and the planes sized, data folder in a
// fresh temporary folder (so "ps.bmp" can be written).
struct Session {
  explicit Session(const Picture& imageA);
  ~Session();
  Workspace ws;
  std::string root;  // removed at the end
  ColorRef Result(int x, int y) const { return ws.Pic4.Point(x, y); }
};

// A fresh empty folder under the system's temporary folder (ending with '/').
std::string MakeScratchFolder();
void RemoveFolder(const std::string& path);

// A fresh scratch folder, removed with all it holds when this goes.
struct ScratchFolder {
  ~ScratchFolder() { RemoveFolder(dir); }
  std::string dir = MakeScratchFolder();
};

// A fresh scratch folder made the current folder while this lives, to see
// that nothing writes into the current folder.
class InFreshCurrentFolder {
 public:
  InFreshCurrentFolder();
  ~InFreshCurrentFolder();
  InFreshCurrentFolder(const InFreshCurrentFolder&) = delete;
  InFreshCurrentFolder& operator=(const InFreshCurrentFolder&) = delete;
  // Whether the folder still holds nothing.
  bool Empty() const;

 private:
  ScratchFolder folder_;
  std::string previous_;
};

// Runs a command line; answers the exit code, with stderr in *err when given.
int RunCommand(const std::string& command, std::string* err = nullptr);

}  // namespace pixmora::test
