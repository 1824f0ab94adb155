#include "app/history_panel.h"

#include <QEvent>
#include <QListWidget>
#include <QScrollBar>

#include "app/form1.h"
#include "windows/translate.h"

namespace pixmora::app {

HistoryPanel::HistoryPanel(Form1& window)
    : QDockWidget(&window), window_(window), list_(new QListWidget(this)) {
  setObjectName("HistoryPanel");
  windows::SetCaption(this, "History");
  list_->setObjectName("HistoryList");
  windows::SetAccessibleName(list_, "History");
  windows::SetAccessibleName(list_->verticalScrollBar(), "Vertical scroll bar of the history");
  windows::SetAccessibleName(list_->horizontalScrollBar(), "Horizontal scroll bar of the history");
  setWidget(list_);
  connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    window_.GoToStep(static_cast<size_t>(item->data(Qt::UserRole).toULongLong()));
  });
  connect(&window, &Form1::historyChanged, this, &HistoryPanel::Refresh);
  connect(&window, &Form1::commandFinished, this, &HistoryPanel::Refresh);
}

void HistoryPanel::changeEvent(QEvent* event) {
  QDockWidget::changeEvent(event);
  // The title bar's buttons take Qt's texts, in the window's language, only
  // when the features change: set them again.
  if (event->type() != QEvent::LanguageChange) return;
  const DockWidgetFeatures kept = features();
  setFeatures(NoDockWidgetFeatures);
  setFeatures(kept);
}

void HistoryPanel::Refresh() {
  if (!window_.HasHistory()) return;
  const History& history = window_.SessionHistory();
  list_->clear();
  const auto& entries = history.Entries();
  for (size_t i = history.FirstReachable(); i < entries.size(); ++i) {
    const QString name = QString::fromStdString(entries[i].name);
    const QString details = QString::fromStdString(entries[i].details);
    auto* item = new QListWidgetItem(details.isEmpty() ? name : name + QStringLiteral(" (") + details + ")");
    item->setData(Qt::UserRole, static_cast<qulonglong>(i));
    // Steps undone stay listed, greyed, until a new step replaces them.
    if (i > history.Position()) item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
    list_->addItem(item);
    if (i == history.Position()) list_->setCurrentItem(item);
  }
  list_->setEnabled(!window_.Busy());
}

}  // namespace pixmora::app
