// The captions of the window's controls, found by their design names: menu
// entries, menus, labels and frames. The language file writes them here.
#pragma once
#include "session/captions/language_file.h"

class QWidget;

namespace pixmora::app {

class WidgetCaptions : public CaptionTarget {
 public:
  explicit WidgetCaptions(const QWidget& window) : window_(window) {}
  std::string Caption(const std::string& control) const override;
  void SetCaption(const std::string& control, const std::string& caption) override;

 private:
  const QWidget& window_;
};

}  // namespace pixmora::app
