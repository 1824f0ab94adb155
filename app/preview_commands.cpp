#include "app/preview_commands.h"

#include <QPointer>
#include <memory>
#include <vector>

#include "windows/preview_window.h"
#include "windows/translate.h"

namespace pixmora::app {

namespace {

// A picture the preview window can show: its surface, the label that names
// it, and the picture holding B shows instead (the result's is image A).
struct Source {
  WindowCommand command;
  const PictureSurface* surface;
  const char* caption;
  const PictureSurface* before = nullptr;
};

struct PreviewState {
  QPointer<windows::Form2> window;
  const Source* shown = nullptr;
};

void Show(CommandHost& host, PreviewState& state) {
  const Source& s = *state.shown;
  state.window->ShowPicture(s.surface->Image(), host.Caption(s.caption),
                            s.before ? s.before->Image() : nullptr,
                            s.before ? host.Caption("Label10") : QString());
}

// Shows the source in the one preview window, created on first use; a click
// while it is open shows the new choice.
void ShowInPreview(CommandHost& host, const Source& source, PreviewState& state) {
  if (source.surface->Image()->Count() == 0) {
    host.Report(windows::Tr("There is no picture to preview yet."));
    return;
  }
  if (!state.window) state.window = new windows::Form2(host.Owner());
  state.shown = &source;
  Show(host, state);
  state.window->show();
  state.window->raise();
  state.window->activateWindow();
}

}  // namespace

void RegisterPreviewCommands(CommandHost& host) {
  Workspace& ws = host.Session();
  const auto sources = std::make_shared<const std::vector<Source>>(std::vector<Source>{
      {WindowCommand::PreviewImageA, &ws.Pic1, "Label10"},
      {WindowCommand::PreviewImageB, &ws.Pic2, "Label11"},
      {WindowCommand::PreviewResult, &ws.imma, "Label12", &ws.Pic1},
      {WindowCommand::PreviewPattern, &ws.PatPic, "patte"},
      {WindowCommand::PreviewShape, &ws.Pic3, "Label14"}});
  auto state = std::make_shared<PreviewState>();
  for (const Source& source : *sources)
    host.SetCommand(source.command, [&host, &source, sources, state] { ShowInPreview(host, source, *state); });
  // A new result or a new picture in the slot shown reaches the open window.
  host.WhenPicturesChange([&host, state] {
    if (state->window && state->window->isVisible()) Show(host, *state);
  });
}

}  // namespace pixmora::app
