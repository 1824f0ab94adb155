#include "session/config/shipped_data.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

namespace fs = std::filesystem;

void Write(const std::string& path, const std::string& text) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path) << text;
}

std::string Read(const std::string& path) {
  std::ostringstream text;
  text << std::ifstream(path).rdbuf();
  return text.str();
}

struct ShippedAndOwn {
  ShippedAndOwn() : root(test::MakeScratchFolder()), shipped(root + "shipped/"), own(root + "own/") {
    Write(shipped + "sxconf.cff", "shipped configuration");
    Write(shipped + "supporto/xxx.bmp", "shipped pattern");
    fs::create_directories(shipped + "texture utente");
  }
  ~ShippedAndOwn() { test::RemoveFolder(root); }
  std::string root, shipped, own;
};

}  // namespace

TEST(ShippedData, AMissingDataFolderReceivesEverything) {
  ShippedAndOwn f;
  ASSERT_TRUE(AddMissingShippedData(f.shipped, f.own));
  EXPECT_EQ(Read(f.own + "sxconf.cff"), "shipped configuration");
  EXPECT_EQ(Read(f.own + "supporto/xxx.bmp"), "shipped pattern");
  EXPECT_TRUE(fs::is_directory(f.own + "texture utente"));
}

TEST(ShippedData, TheUsersOwnFilesAreNeverReplaced) {
  ShippedAndOwn f;
  Write(f.own + "sxconf.cff", "my configuration");
  ASSERT_TRUE(AddMissingShippedData(f.shipped, f.own));
  EXPECT_EQ(Read(f.own + "sxconf.cff"), "my configuration");
  EXPECT_EQ(Read(f.own + "supporto/xxx.bmp"), "shipped pattern");
  EXPECT_EQ(std::distance(fs::directory_iterator(f.own + "supporto"), fs::directory_iterator()), 1);
}

TEST(ShippedData, AFileInTheWayIsReported) {
  ShippedAndOwn f;
  Write(f.root + "blocked", "a file where the data folder's parent should be");
  EXPECT_FALSE(AddMissingShippedData(f.shipped, f.root + "blocked/VARDELO24/"));
}

}  // namespace pixmora
