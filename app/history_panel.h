// The history panel: a dock that lists the steps of the session's history
// with what each read; the current step is marked, and a click on another
// goes back (or forward) to it, as repeated undo or redo would.
#pragma once
#include <QDockWidget>

class QListWidget;

namespace pixmora::app {

class Form1;

class HistoryPanel : public QDockWidget {
  Q_OBJECT
 public:
  explicit HistoryPanel(Form1& window);

  // Lists the history as it stands.
  void Refresh();
  QListWidget* List() const { return list_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  Form1& window_;
  QListWidget* list_;
};

}  // namespace pixmora::app
