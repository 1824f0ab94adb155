#include "app/file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <optional>

#include "app/save_options.h"
#include "app/user_settings.h"

namespace pixmora::app {

QStringList NameFilters(const QString& filter) {
  const QStringList parts = filter.split('|');
  QStringList names;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString name = parts[i];
    const int open = name.indexOf('(');
    if (open > 0 && name[open - 1] != ' ') name.insert(open, ' ');
    names << name;
  }
  return names;
}

namespace {

// The extension of the files a Qt name filter shows ("png" for "Files PNG (*.png)").
QString FilterExtension(const QString& nameFilter) {
  const int star = nameFilter.indexOf(QStringLiteral("*."));
  if (star < 0) return {};
  const int end = nameFilter.indexOf(QRegularExpression(QStringLiteral("[ )]")), star);
  return nameFilter.mid(star + 2, end - star - 2);
}

}  // namespace

FileDialogAnswer QtFileDialog::Show(QWidget* parent, const FileDialogRequest& request) {
  // A folder the command names is kept; otherwise the dialog starts where the
  // user last left a dialog of its kind, and remembers where this one ends.
  const bool remembered = request.initialFolder.isEmpty();
  QFileDialog dialog(parent, request.title,
                     remembered ? RememberedFolder(request.save) : request.initialFolder);
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.save);
  const QStringList filters = NameFilters(request.filter);
  dialog.setNameFilters(filters);
  // The filter this kind of dialog was last left on, else the command's.
  const QString last = RememberedFilter(request.save);
  if (filters.contains(last)) dialog.selectNameFilter(last);
  else if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
    dialog.selectNameFilter(filters[request.filterIndex - 1]);
  // A name typed without an extension takes the chosen filter's.
  const QString fallback = request.defaultExtension.mid(request.defaultExtension.startsWith('.'));
  const auto followFilter = [&dialog, fallback](const QString& filter) {
    const QString extension = FilterExtension(filter);
    dialog.setDefaultSuffix(extension.isEmpty() || extension == "*" ? fallback : extension);
  };
  if (request.save) {
    followFilter(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, followFilter);
  }
  std::optional<SaveOptions> encoding;
  if (request.encoding) encoding.emplace(dialog, RememberedSaveSettings());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString chosen = dialog.selectedFiles().first();
  if (remembered) RememberFolder(request.save, QFileInfo(chosen).absolutePath());
  RememberFilter(request.save, dialog.selectedNameFilter());
  FileDialogAnswer answer{chosen, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1};
  if (encoding) {
    answer.save = encoding->Chosen();
    RememberSaveSettings(answer.save);
  }
  return answer;
}

}  // namespace pixmora::app
