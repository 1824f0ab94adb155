// Dialog1 answered by the test: each Show takes the next scripted answer (an
// empty one, the cancel, when none is left) and keeps the request it got.
#pragma once
#include <deque>
#include <vector>

#include "app/file_dialog.h"

namespace pixmora::test {

class ScriptedDialog : public app::FileDialog {
 public:
  app::FileDialogAnswer Show(QWidget*, const app::FileDialogRequest& request) override {
    requests.push_back(request);
    if (answers.empty()) return {};
    const app::FileDialogAnswer next = answers.front();
    answers.pop_front();
    return next;
  }
  std::deque<app::FileDialogAnswer> answers;
  std::vector<app::FileDialogRequest> requests;
};

}  // namespace pixmora::test
