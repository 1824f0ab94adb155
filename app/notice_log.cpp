#include "app/notice_log.h"
#include "windows/translate.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

namespace pixmora::app {

namespace {
const QSize kListSize(620, 260);
}  // namespace

void NoticeLog::Add(const QString& text, const QTime& at) {
  entries_.push_back({at, text});
  if (entries_.size() > kKept) entries_.pop_front();
}

QStringList NoticeLog::Lines() const {
  QStringList lines;
  for (const Entry& e : entries_) lines << e.at.toString(QStringLiteral("hh:mm:ss")) + QStringLiteral("  ") + e.text;
  return lines;
}

// A plain text, so that a notice wraps whole and can be selected and copied.
void ShowNoticeList(QWidget* anchor, const NoticeLog& log) {
  auto* popup = new QFrame(anchor, Qt::Popup);
  popup->setObjectName("NoticesPopup");
  popup->setAttribute(Qt::WA_DeleteOnClose);
  popup->setFrameStyle(QFrame::Box | QFrame::Plain);
  auto* list = new QPlainTextEdit(popup);
  list->setObjectName("NoticesList");
  list->setAccessibleName(windows::Tr("Notices"));
  list->setReadOnly(true);
  list->setPlainText(log.Lines().join('\n'));
  list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
  auto* layout = new QVBoxLayout(popup);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(list);
  const QWidget* window = anchor->window();
  popup->resize(kListSize.boundedTo(window->size()));
  // Above the anchor, inside the window as far as it goes.
  const QPoint corner = anchor->mapTo(window, QPoint(0, 0));
  const int x = std::clamp(corner.x(), 0, std::max(0, window->width() - popup->width()));
  popup->move(window->mapToGlobal(QPoint(x, corner.y() - popup->height())));
  popup->show();
}

}  // namespace pixmora::app
