// The last notices the status bar gave, each with its time, so that one
// covered by the next is not lost: the status bar's Notices button lists
// them.
#pragma once
#include <QStringList>
#include <QTime>
#include <deque>

namespace pixmora::app {

class NoticeLog {
 public:
  static constexpr size_t kKept = 50;

  void Add(const QString& text, const QTime& at);
  bool Empty() const { return entries_.empty(); }
  // "hh:mm:ss  text", the oldest kept first.
  QStringList Lines() const;

 private:
  struct Entry {
    QTime at;
    QString text;
  };
  std::deque<Entry> entries_;
};

// Opens the list of the log's notices in a popup above anchor.
void ShowNoticeList(QWidget* anchor, const NoticeLog& log);

}  // namespace pixmora::app
