// The open-file dialog service of the Qt host: a QFileDialog over the request's owner
// window, picking one existing file. Each file type becomes a name filter that shows its
// description with its patterns ("Icons (*.ico *.png)"), the request's filter index selects
// the type shown first, and the default extension is added to a name typed without one.
#pragma once

#include <QFileDialog>
#include <QStringList>
#include <optional>
#include <span>
#include <string>

#include "platform/host/open_file_dialog.h"

namespace wayband::qt {

// The dialog's name filters, one per file type, in order.
QStringList NameFiltersOf(std::span<const host::FileFilter> filters);

// Sets the dialog up for the request: title, mode, name filters, the type shown first and
// the default extension.
void SetUpOpenFileDialog(QFileDialog& dialog, const host::OpenFileRequest& request);

// Shows the dialog modally; the chosen path in UTF-8, or nothing when cancelled.
std::optional<std::string> ChooseFileToOpen(const host::OpenFileRequest& request);

}  // namespace wayband::qt
