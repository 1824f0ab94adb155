#include <gtest/gtest.h>

#include <functional>

#include "core/load_planes.h"
#include "session/catalogue/catalogue.h"
#include "tests/support/test_pictures.h"

namespace pixmora {
namespace {

// One change of each input, large enough to show in any command that reads it.
void Change(Workspace& ws, Input input) {
  switch (input) {
    case Input::Colour1: ws.values.colour1[0] = 200, ws.values.colour1[1] = 10; break;
    case Input::Colour2: ws.values.colour2[0] = 0, ws.values.colour2[2] = 90; break;
    case Input::Strength: ws.values.strength = 9; break;
    case Input::Size: ws.values.size = 2; break;
    case Input::ImageB: ws.Pic2.SetPicture(test::Flat(23, 17, PackRGB(250, 0, 7))); break;
    case Input::Pattern: ws.PatPic.SetPicture(test::Flat(15, 9, PackRGB(3, 240, 60))); break;
    case Input::Shape: ws.Pic3.SetPicture(test::MakeTestPicture(30, 30, [](int x, int) {
                         return x < 15 ? 0u : PackRGB(255, 255, 255);
                       })); break;
    case Input::Random: ws.m.random.Skip(1000); break;
    case Input::BackColour: ws.SetHiddenBackColour(PackRGB(90, 200, 30)); break;
  }
}

// The result of a command run as after a start, with the inputs prepared.
Picture Result(const CatalogueEntry& entry, const std::function<void(Workspace&)>& prepare) {
  static const std::string work = test::MakeScratchFolder();
  Workspace ws;
  ws.folders.work = work;
  ws.Pic1.SetPicture(test::Varied(100, 80));
  SizePlanes(ws.m, ws.Pic1);
  ws.Pic2.SetPicture(test::Varied(31, 25));
  ws.PatPic.SetPicture(test::Varied(12, 11));
  ws.Pic3.SetPicture(test::Flat(30, 30, PackRGB(255, 255, 255)));
  // Rectangles tints only outlines of a colour that is not black.
  ws.values.colour1[2] = 160;
  prepare(ws);
  RunMenuRoutine(ws, entry.menu, entry.index);
  return ws.Pic4.Image();
}

bool Same(const Picture& a, const Picture& b) {
  if (a->Width() != b->Width() || a->Height() != b->Height()) return false;
  for (size_t i = 0; i < a->Count(); ++i)
    if (a->Data()[i] != b->Data()[i]) return false;
  return true;
}

// Each row's declaration is the truth: changing an input it declares changes
// the result, and changing any other leaves it as it was.
TEST(CommandInputs, EveryRowDeclaresExactlyWhatItsCommandReads) {
  for (const CatalogueEntry& entry : Catalogue()) {
    if (!entry.run) continue;
    const Picture plain = Result(entry, [](Workspace&) {});
    std::vector<InputInfo> inputs(AllInputs().begin(), AllInputs().end());
    inputs.push_back({Input::Random, "the random source", ""});
    inputs.push_back({Input::BackColour, "the back colour", ""});
    for (const InputInfo& info : inputs) {
      const Picture changed = Result(entry, [&](Workspace& ws) { Change(ws, info.input); });
      EXPECT_EQ(Same(plain, changed), !Has(entry.reads, info.input))
          << entry.caption << " and " << info.name;
    }
  }
}

TEST(CommandInputs, DescriptionsNameTheInputsInOrder) {
  EXPECT_EQ(DescribeInputs(0), "nothing besides image A");
  EXPECT_EQ(DescribeInputs(static_cast<Inputs>(Input::Size)), "size");
  EXPECT_EQ(DescribeInputs(Input::ImageB | Input::Strength), "strength and image B");
  EXPECT_EQ(DescribeInputs(Input::Shape | Input::Strength | Input::Size), "strength, size and shape");
}

}  // namespace
}  // namespace pixmora
