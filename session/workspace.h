// The pictures and values of one editing session: the hidden full-size
// surfaces of the main window, the result preview, the value controls, the
// folders, and the shared operation state. The window and the batch tool each
// own one.
#pragma once
#include <functional>
#include <iterator>
#include <optional>
#include <string>

#include "core/call_context.h"
#include "core/module1.h"
#include "core/picture_surface.h"
#include "core/show_fitted.h"
#include "ops/image/selection.h"

namespace pixmora {

// Values of the main window's controls, copied when a command is chosen.
struct ControlValues {
  int16_t colour1[3] = {0, 0, 0};        // HS1(0..2)
  int16_t colour2[3] = {255, 255, 255};  // HS1(3..5)
  int16_t strength = 5;                  // HScroll1, 1..10
  int16_t size = 5;                      // HScroll2, 1..10
};

// Folder paths, each ending with '/'.
struct Folders {
  std::string data;     // the data folder (VARDELO24)
  std::string temp;     // the temporary data folder
  std::string program;  // the folder of the executable
  std::string work;     // this process's private working folder ("$$$.bmp", "pgraf.bmp")
  std::string shipped;  // the default data shipped with the program; empty when not found
  std::string Support() const { return data + "supporto/"; }
  std::string Shapes() const { return data + "slide/"; }
  std::string Textures() const { return data + "texture/"; }
  std::string UserTextures() const { return data + "texture utente/"; }
};

// The pictures a session holds, each on a hidden full-size surface: the four
// the user opens, the result, and the result's snapshot that saving writes.
enum class Slot { ImageA, ImageB, Pattern, Shape, Result, Snapshot };
inline constexpr Slot kSlots[] = {Slot::ImageA, Slot::ImageB, Slot::Pattern,
                                  Slot::Shape,  Slot::Result, Slot::Snapshot};
inline constexpr size_t kSlotCount = std::size(kSlots);
// The four a file can be opened into.
inline constexpr Slot kOpenedSlots[] = {Slot::ImageA, Slot::ImageB, Slot::Pattern, Slot::Shape};

// How recipes and the batch tool spell a slot ("image-b"), and how messages
// name it ("image B").
const char* SlotKey(Slot slot);
const char* SlotName(Slot slot);

inline constexpr ColorRef kDefaultBackColour = 0x212121;
inline constexpr ColorRef kDefaultForeColour = 0xFFFFBC;

struct Workspace {
  Workspace();

  Module1 m;
  // How the session's commands run: where they show their progress, and on
  // how many threads.
  FrameHooks* hooks = &CallContext::NoHooks();
  int threads = CallContext::MachineThreads();
  // The context of one command: the settings above, the token that may stop
  // it (none: it runs to its end), and the random source's position now.
  CallContext StartCall(const CancelToken* cancel = nullptr) const {
    return {hooks, threads, cancel, m.random};
  }

  PictureSurface Pic1;    // image A
  PictureSurface Pic2;    // image B
  PictureSurface Pic3;    // shape picture
  PictureSurface Pic4;    // result
  PictureSurface PatPic;  // pattern
  PictureSurface imma;    // snapshot of the result, for saving
  PictureSurface Image1;  // the result preview, 256 x 256

  // The surface that holds a slot's picture.
  PictureSurface& Surface(Slot slot);
  const PictureSurface& Surface(Slot slot) const;

  ControlValues values;
  // The part of image A the commands change (none: all of it); it always
  // lies within image A.
  std::optional<Selection> selection;
  Folders folders;
  // ShowFitted's loader (the window uses its toolkit's image reader).
  PictureLoader platformLoader;
  // One-line notices of things that went wrong without stopping the command.
  std::function<void(const std::string&)> report = [](const std::string&) {};
  // Whether PublishResult leaves every result in the data folder as "ps.bmp"
  // (the window does; the batch tool writes nothing but its outputs), and
  // where, when set, it hands the result to write it once it is shown.
  bool keepResultFile = true;
  std::function<void(const Picture& result)> keepResultLater;
  // Given each new result as soon as it is made, on the thread that made it,
  // before its 256 x 256 preview is painted: the window shows it at once.
  std::function<void(const Picture& result)> resultMade;

  // The colour-scheme back colour of the hidden surfaces (a cleared result shows it).
  void SetHiddenBackColour(ColorRef colour);
};

}  // namespace pixmora
