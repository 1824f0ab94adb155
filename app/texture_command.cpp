#include "app/texture_command.h"

#include "windows/texture_window.h"

namespace pixmora::app {

void RegisterTextureCommand(CommandHost& host) {
  host.SetCommand(WindowCommand::SaveTexture, [&host] {
    windows::Form3 form(host.Session(), host.Owner());
    form.exec();
    if (form.Written()) host.ResultSaved(form.Written());
  });
}

}  // namespace pixmora::app
