// Modal dialogs in the Qt host: a QDialog built from the model's items (labels, etched
// rules, a list with a check box per entry, push buttons with their access keys) at their
// twips positions in the model's font. What the user does goes to the model, and after
// each action the dialog shows the model's state again; it closes once the model says so.
#pragma once

#include <QDialog>
#include <map>
#include <string>

#include "platform/host/modal_dialog.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace wayband::qt {

class ModelDialog final : public QDialog {
 public:
  ModelDialog(host::ModalDialog& model, QWidget* parent);

  // The widget made for a model item (its objectName is the item's name).
  QWidget* ItemWidget(const std::string& name) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Build();
  // After each action: shows the model's state, or ends the dialog once it closed.
  void Sync();
  void ShowList(const std::string& name, QListWidget& list);
  void ShowPicture(const std::string& name, QLabel& picture);
  // Escape presses the enabled cancel button; without one it closes the dialog.
  void Escape();

  host::ModalDialog& model_;
  std::map<std::string, QWidget*> items_;
  std::map<std::string, QListWidget*> lists_;
  std::map<std::string, QLineEdit*> boxes_;
  std::map<std::string, QLabel*> pictures_;
  std::string cancelButton_;
  bool syncing_ = false;
};

// Shows the dialog modally over `parent` and returns once the model is closed.
void RunModalDialog(host::ModalDialog& model, QWidget* parent);

}  // namespace wayband::qt
