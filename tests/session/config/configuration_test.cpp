#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "session/config/configuration.h"
#include "tests/session/config/table_captions.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

void Write(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

struct ConfigFolders {
  ConfigFolders() : root(test::MakeScratchFolder()) {
    folders.data = root;
    std::filesystem::create_directories(folders.Support());
  }
  ~ConfigFolders() { test::RemoveFolder(root); }
  std::string root;
  Folders folders;
};

}  // namespace

TEST(Configuration, TheSixthValueNamesTheLanguage) {
  ConfigFolders f;
  Write(f.folders.data + "sxconf.cff", "\"a\", \"b\"\nc, \"d, e\", f\n\"Italiano\", 3\n");
  EXPECT_EQ(ReadLanguageName(f.folders.data + "sxconf.cff"), "Italiano");
}

TEST(Configuration, MissingFilesLeaveTheCaptions) {
  ConfigFolders f;
  test::TableCaptions t;
  EXPECT_FALSE(LoadConfiguration(f.folders, t));
  Write(f.folders.data + "sxconf.cff", "1,2,3,4,5,Missing,0\n");
  EXPECT_FALSE(LoadConfiguration(f.folders, t));
  Write(f.folders.data + "sxconf.cff", "1,2,3,4,5,Missing\n");
  EXPECT_FALSE(LoadConfiguration(f.folders, t)) << "the seventh value is missing";
  EXPECT_TRUE(t.captions.empty());
}

}  // namespace pixmora
