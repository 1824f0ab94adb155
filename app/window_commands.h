// The window's commands other than the operation menus and Exit, and the one
// table that binds each to the controls that start it. The table is also the
// map from those control names to what they do.
#pragma once
#include <QString>
#include <array>
#include <span>

namespace pixmora::app {

enum class WindowCommand {
  OpenImageA,
  OpenSample,
  OpenImageB,
  OpenPattern,
  ChooseShape,
  SaveFile,
  ResultToImageA,
  ResultToImageB,
  SaveTexture,
  PreviewImageA,
  PreviewImageB,
  PreviewResult,
  PreviewPattern,
  PreviewShape,
};

struct CommandBinding {
  WindowCommand command;
  std::array<const char*, 2> controls;  // design names; null where there is one
};

std::span<const CommandBinding> CommandBindings();

// The command a control starts; false when it starts none of these.
bool CommandOfControl(const QString& control, WindowCommand& command);

}  // namespace pixmora::app
