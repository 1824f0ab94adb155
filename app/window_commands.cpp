#include "app/window_commands.h"

namespace pixmora::app {

namespace {

constexpr CommandBinding kBindings[] = {
    {WindowCommand::OpenImageA, {"mnuimma", "Image2"}},          // File > Open > Image (a); image A's preview
    {WindowCommand::OpenSample, {"mnuSample", nullptr}},         // File > Open Sample: the shipped photograph as image A
    {WindowCommand::OpenImageB, {"mnuimmb", "Image3"}},          // File > Open > Image (b); image B's preview
    {WindowCommand::OpenPattern, {"mnusalvap", "picture1"}},     // File > Open Pattern; the pattern's preview
    {WindowCommand::ChooseShape, {"Picture4", nullptr}},         // the shape's preview
    {WindowCommand::SaveFile, {"mnusalva", "Image1"}},           // File > Save > Save file; the result's preview
    {WindowCommand::ResultToImageA, {"mnusalvaa", "Image5(5)"}}, // File > Save > Load image (A); tool button 5
    {WindowCommand::ResultToImageB, {"mnusalvab", "Image5(6)"}}, // File > Save > Load image (B); tool button 6
    {WindowCommand::SaveTexture, {"mnutex", nullptr}},           // File > Save Texture (256x256)
    {WindowCommand::PreviewImageA, {"Image5(0)", nullptr}},      // tool buttons 0..4: the preview window
    {WindowCommand::PreviewImageB, {"Image5(1)", nullptr}},
    {WindowCommand::PreviewResult, {"Image5(2)", nullptr}},
    {WindowCommand::PreviewPattern, {"Image5(3)", nullptr}},
    {WindowCommand::PreviewShape, {"Image5(4)", nullptr}},
};

}  // namespace

std::span<const CommandBinding> CommandBindings() { return kBindings; }

bool CommandOfControl(const QString& control, WindowCommand& command) {
  for (const CommandBinding& b : kBindings)
    for (const char* name : b.controls)
      if (name && control == QLatin1String(name)) {
        command = b.command;
        return true;
      }
  return false;
}

}  // namespace pixmora::app
