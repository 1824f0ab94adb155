#include "app/texture_command.h"

#include "app/form1.h"
#include "windows/texture_window.h"

namespace pixmora::app {

void RegisterTextureCommand(Form1& window) {
  window.SetCommand("mnutex", [&window] {
    windows::Form3 form(window.Session(), &window);
    form.exec();
  });
}

}  // namespace pixmora::app
