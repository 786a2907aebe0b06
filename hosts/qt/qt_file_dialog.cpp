#include "qt/qt_file_dialog.h"

#include <QApplication>

#include "qt/qt_windows.h"

namespace wayband::qt {

namespace {

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A type without patterns shows every file.
QString PatternsOf(const std::string& pattern) {
  QStringList patterns;
  for (const QString& part : FromUtf8(pattern).split(';', Qt::SkipEmptyParts)) {
    if (const QString trimmed = part.trimmed(); !trimmed.isEmpty()) patterns << trimmed;
  }
  return patterns.isEmpty() ? QStringLiteral("*") : patterns.join(' ');
}

}  // namespace

QStringList NameFiltersOf(std::span<const host::FileFilter> filters) {
  QStringList names;
  // Qt reads the patterns from the last parentheses of a filter: the patterns always come
  // last, whatever the description holds.
  for (const host::FileFilter& filter : filters) {
    const QString description = FromUtf8(filter.description).trimmed();
    const QString patterns = PatternsOf(filter.pattern);
    names << (description.isEmpty() ? patterns : description + " (" + patterns + ")");
  }
  return names;
}

void SetUpOpenFileDialog(QFileDialog& dialog, const host::OpenFileRequest& request) {
  dialog.setWindowTitle(FromUtf8(request.title));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  const QStringList names = NameFiltersOf(request.filters);
  if (!names.isEmpty()) dialog.setNameFilters(names);
  // An index outside the list shows the first type, as the platform's dialog does.
  const qsizetype first =
      request.filterIndex >= 1 && request.filterIndex <= names.size() ? request.filterIndex - 1 : 0;
  if (!names.isEmpty()) dialog.selectNameFilter(names[first]);
  dialog.setDefaultSuffix(FromUtf8(request.defaultExtension));
}

std::optional<std::string> ChooseFileToOpen(const host::OpenFileRequest& request) {
  QWidget* owner = QtWindows::Instance().Widget(request.owner);
  QFileDialog dialog(owner ? owner->window() : QApplication::activeWindow());
  SetUpOpenFileDialog(dialog, request);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.front().toStdString();
}

}  // namespace wayband::qt
