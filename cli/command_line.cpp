#include "cli/command_line.h"

#include <cctype>
#include <cstdlib>

#include "core/paths_and_text.h"

namespace pixmora::cli {

namespace {

bool ParseInt(const std::string& text, long lo, long hi, long& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  value = std::strtol(text.c_str(), &end, 10);
  return *end == '\0' && value >= lo && value <= hi;
}

int16_t ParseRange(const std::string& option, const std::string& text, long lo, long hi) {
  long v;
  if (!ParseInt(text, lo, hi, v))
    throw UsageError{option + " takes a whole number from " + std::to_string(lo) + " to " +
                     std::to_string(hi) + ", not '" + text + "'"};
  return static_cast<int16_t>(v);
}

void ParseColour(const std::string& option, const std::string& text, int16_t (&rgb)[3]) {
  size_t start = 0;
  for (int i = 0; i < 3; ++i) {
    const size_t comma = text.find(',', start);
    const bool last = i == 2;
    if (last != (comma == std::string::npos))
      throw UsageError{option + " takes R,G,B (three numbers 0..255), not '" + text + "'"};
    const std::string part = text.substr(start, last ? std::string::npos : comma - start);
    long v;
    if (!ParseInt(part, 0, 255, v))
      throw UsageError{option + " takes R,G,B with each value from 0 to 255, not '" + text + "'"};
    rgb[i] = static_cast<int16_t>(v);
    start = comma + 1;
  }
}

bool StepFromCaption(const std::string& text, Step& step) {
  const std::string wanted = Lower(text);
  for (const CatalogueEntry& e : Catalogue())
    if (!e.IsSeparator() && Lower(e.caption) == wanted) {
      step.menu = e.menu, step.index = e.index;
      return true;
    }
  return false;
}

}  // namespace

Step ParseStep(const std::string& text) {
  Step step;
  step.text = text;
  const size_t colon = text.find(':');
  if (colon != std::string::npos) {
    const std::string key = Lower(text.substr(0, colon)), number = text.substr(colon + 1);
    long v;
    if (key == "rotate") {
      if (!ParseInt(number, -32768, 32767, v))
        throw UsageError{"rotate:N takes the slider value as a whole number, not '" + text + "'"};
      step.rotate = true, step.sliderValue = static_cast<int16_t>(v);
      return step;
    }
    if (MenuFromKey(key, step.menu)) {
      if (!ParseInt(number, 0, 32767, v))
        throw UsageError{"'" + text + "': the index must be a whole number from 0"};
      const CatalogueEntry* entry = FindEntry(step.menu, static_cast<int>(v));
      if (!entry) throw UsageError{"'" + text + "': the " + key + " menu has no entry " + number};
      if (entry->IsSeparator())
        throw UsageError{"'" + text + "' is a separator of the " + key + " menu, not a command"};
      step.index = static_cast<int16_t>(v);
      return step;
    }
  }
  if (StepFromCaption(text, step)) return step;
  throw UsageError{"unknown command '" + text + "' (see 'pixmora-cli list')"};
}

ApplyRequest ParseApply(const std::vector<std::string>& args) {
  ApplyRequest request;
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.rfind("--", 0) != 0) {
      positional.push_back(a);
      continue;
    }
    if (a == "--timings") {
      request.timings = true;
      continue;
    }
    if (i + 1 >= args.size()) throw UsageError{a + " needs a value"};
    const std::string& v = args[++i];
    if (a == "--color1") ParseColour(a, v, request.values.colour1);
    else if (a == "--color2") ParseColour(a, v, request.values.colour2);
    else if (a == "--strength") request.values.strength = ParseRange(a, v, 1, 10);
    else if (a == "--size") request.values.size = ParseRange(a, v, 1, 10);
    else if (a == "--image-b") request.imageB = v;
    else if (a == "--pattern") request.pattern = v;
    else if (a == "--shape") request.shape = v;
    else throw UsageError{"unknown option " + a};
  }
  if (positional.size() < 3)
    throw UsageError{"apply needs IMAGE_A, OUTPUT and at least one OP"};
  request.imageA = positional[0];
  request.output = positional[1];
  for (size_t i = 2; i < positional.size(); ++i) request.steps.push_back(ParseStep(positional[i]));
  return request;
}

}  // namespace pixmora::cli
