#include "app/recent_menu.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "app/user_settings.h"
#include "windows/translate.h"

namespace pixmora::app {

void FillRecentMenu(QMenu& menu, const std::function<void(const QString&)>& open) {
  menu.clear();
  const QStringList files = RecentPictures();
  if (files.isEmpty()) menu.addAction(windows::Tr("No Pictures Yet"))->setEnabled(false);
  for (qsizetype i = 0; i < files.size(); ++i) {
    const QString& path = files[i];
    QString name = QFileInfo(path).fileName();
    QAction* action = menu.addAction(QStringLiteral("&%1 %2").arg((i + 1) % 10).arg(name.replace('&', "&&")));
    action->setToolTip(path);
    action->setEnabled(QFileInfo(path).isFile());
    QObject::connect(action, &QAction::triggered, [open, path] { open(path); });
  }
}

}  // namespace pixmora::app
