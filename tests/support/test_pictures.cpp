#include "tests/support/test_pictures.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/load_planes.h"

namespace pixmora::test {

Picture MakeTestPicture(int w, int h, const std::function<ColorRef(int, int)>& colour) {
  auto p = std::make_shared<PixelBuffer>(w, h);
  for (int x = 0; x < w; ++x)
    for (int y = 0; y < h; ++y) p->Set(x, y, colour(x, y));
  return p;
}

Picture Flat(int w, int h, ColorRef c) { return MakePicture(w, h, c); }

Picture Varied(int w, int h) {
  return MakeTestPicture(w, h, [](int x, int y) {
    return PackRGB((x * 7 + y * 3) & 255, (x * 13 + y * 29 + 5) & 255, (x * y + 11 * x) & 255);
  });
}

Picture Translucent(int w, int h) {
  auto alpha = std::make_shared<AlphaPlane>(w, h);
  for (int x = 0; x < w; ++x)
    for (int y = 0; y < h; ++y) alpha->Set(x, y, static_cast<uint8_t>(std::min(255, x * 37 + y * 91)));
  return WithAlpha(Varied(w, h), std::move(alpha));
}

ControlValues Values(int strength, ColorRef colour1, ColorRef colour2) {
  ControlValues v;
  v.strength = static_cast<int16_t>(strength);
  const Channels a = SplitColour(colour1), b = SplitColour(colour2);
  v.colour1[0] = static_cast<int16_t>(a.r), v.colour1[1] = static_cast<int16_t>(a.g);
  v.colour1[2] = static_cast<int16_t>(a.b);
  v.colour2[0] = static_cast<int16_t>(b.r), v.colour2[1] = static_cast<int16_t>(b.g);
  v.colour2[2] = static_cast<int16_t>(b.b);
  return v;
}

std::string MakeScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "pixmora-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) std::abort();
  return pattern + "/";
}

void RemoveFolder(const std::string& path) {
  std::error_code ec;
  std::filesystem::remove_all(path, ec);
}

InFreshCurrentFolder::InFreshCurrentFolder() : previous_(std::filesystem::current_path()) {
  std::filesystem::current_path(folder_.dir);
}

InFreshCurrentFolder::~InFreshCurrentFolder() { std::filesystem::current_path(previous_); }

bool InFreshCurrentFolder::Empty() const { return std::filesystem::is_empty(folder_.dir); }

Session::Session(const Picture& imageA) : root(MakeScratchFolder()) {
  ws.folders.data = root + "data/";
  ws.folders.temp = root + "temp/";
  ws.folders.program = root + "program/";
  ws.folders.work = root + "work/";
  for (const std::string& d : {ws.folders.data, ws.folders.temp, ws.folders.program, ws.folders.work})
    std::filesystem::create_directories(d);
  ws.Pic1.SetPicture(imageA);
  SizePlanes(ws.m, ws.Pic1);
}

Session::~Session() { RemoveFolder(root); }

int RunCommand(const std::string& command, std::string* err) {
  const std::string errFile = MakeScratchFolder() + "stderr";
  const int status = std::system((command + " 2>'" + errFile + "'").c_str());
  if (err) {
    std::ifstream in(errFile);
    std::stringstream all;
    all << in.rdbuf();
    *err = all.str();
  }
  RemoveFolder(errFile.substr(0, errFile.rfind('/')));
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace pixmora::test
