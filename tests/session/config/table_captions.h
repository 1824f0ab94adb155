// Captions kept in a table for the configuration tests, starting from the
// window's design captions.
#pragma once
#include <map>
#include <string>

#include "session/captions/design_captions.h"
#include "session/captions/language_file.h"

namespace pixmora::test {

class TableCaptions : public CaptionTarget {
 public:
  std::string Caption(const std::string& control) const override {
    const auto it = captions.find(control);
    return it != captions.end() ? it->second : DesignCaptionOf(control);
  }
  void SetCaption(const std::string& control, const std::string& caption) override {
    captions[control] = caption;
  }
  std::map<std::string, std::string> captions;  // the captions set so far
};

}  // namespace pixmora::test
