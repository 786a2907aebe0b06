#include "qt/qt_dialog.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

#include "platform/twips.h"
#include "qt/qt_windows.h"

namespace wayband::qt {

namespace {

QRect PixelRect(const host::DialogItem& item, const QWidget& dialog) {
  const double perPixelX = TwipsPerPixelX(dialog);
  const double perPixelY = TwipsPerPixelY(dialog);
  return QRect(platform::TwipsToPixels(item.left, perPixelX),
               platform::TwipsToPixels(item.top, perPixelY),
               platform::TwipsToPixels(item.width, perPixelX),
               platform::TwipsToPixels(item.height, perPixelY));
}

}  // namespace

ModelDialog::ModelDialog(host::ModalDialog& model, QWidget* parent)
    : QDialog(parent), model_(model) {
  Build();
  Sync();
}

void ModelDialog::Build() {
  setWindowTitle(QString::fromStdString(model_.Caption()));
  QFont font(QString::fromStdString(model_.FontName()));
  font.setPointSizeF(model_.FontSize());
  setFont(font);
  setFixedSize(platform::TwipsToPixels(model_.ClientWidth(), TwipsPerPixelX(*this)),
               platform::TwipsToPixels(model_.ClientHeight(), TwipsPerPixelY(*this)));
  for (const host::DialogItem& item : model_.Items()) {
    const QString caption = QString::fromStdString(item.caption);
    QWidget* widget = nullptr;
    switch (item.kind) {
      case host::DialogItemKind::kLabel: {
        auto* label = new QLabel(caption, this);
        widget = label;
        break;
      }
      case host::DialogItemKind::kEtchedRule: {
        auto* rule = new QFrame(this);
        rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        widget = rule;
        break;
      }
      case host::DialogItemKind::kCheckList: {
        auto* list = new QListWidget(this);
        const std::string name = item.name;
        connect(list, &QListWidget::currentRowChanged, this, [this, name](int row) {
          if (syncing_ || row < 0) return;
          model_.ClickEntry(name, row);
          Sync();
        });
        connect(list, &QListWidget::itemChanged, this, [this, name, list](QListWidgetItem* entry) {
          if (syncing_) return;
          model_.SetTicked(name, list->row(entry), entry->checkState() == Qt::Checked);
          Sync();
        });
        lists_[name] = list;
        widget = list;
        break;
      }
      case host::DialogItemKind::kButton: {
        // The model's captions mark access keys with "&" as Qt does.
        auto* button = new QPushButton(caption, this);
        button->setDefault(item.isDefault);
        button->setAutoDefault(item.isDefault);
        if (item.isCancel) cancelButton_ = item.name;
        const std::string name = item.name;
        connect(button, &QPushButton::clicked, this, [this, name] {
          model_.ClickButton(name);
          Sync();
        });
        widget = button;
        break;
      }
    }
    widget->setObjectName(QString::fromStdString(item.name));
    const QRect rect = PixelRect(item, *this);
    if (item.width == 0.0 && item.height == 0.0) {
      widget->move(rect.topLeft());
      widget->adjustSize();
    } else {
      widget->setGeometry(rect);
    }
    items_[item.name] = widget;
  }
}

QWidget* ModelDialog::ItemWidget(const std::string& name) const {
  const auto found = items_.find(name);
  return found == items_.end() ? nullptr : found->second;
}

void ModelDialog::Sync() {
  if (model_.Closed()) {
    done(QDialog::Accepted);
    return;
  }
  syncing_ = true;
  for (auto& [name, list] : lists_)
    ShowList(name, *list);
  for (auto& [name, widget] : items_)
    widget->setEnabled(model_.ItemEnabled(name));
  syncing_ = false;
}

void ModelDialog::ShowList(const std::string& name, QListWidget& list) {
  const std::vector<host::DialogListEntry> entries = model_.ListEntries(name);
  while (list.count() > static_cast<int>(entries.size()))
    delete list.takeItem(list.count() - 1);
  while (list.count() < static_cast<int>(entries.size())) {
    auto* entry = new QListWidgetItem(&list);
    entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
  }
  for (int row = 0; row < list.count(); ++row) {
    QListWidgetItem& entry = *list.item(row);
    const host::DialogListEntry& shown = entries[static_cast<size_t>(row)];
    entry.setText(QString::fromStdString(shown.text));
    entry.setCheckState(shown.ticked ? Qt::Checked : Qt::Unchecked);
  }
  list.setCurrentRow(model_.CurrentEntry(name));
}

void ModelDialog::Escape() {
  if (!cancelButton_.empty() && model_.ItemEnabled(cancelButton_)) {
    model_.ClickButton(cancelButton_);
  } else {
    model_.Close();
  }
  Sync();
}

void ModelDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    Escape();
    return;
  }
  QDialog::keyPressEvent(event);
}

void ModelDialog::closeEvent(QCloseEvent* event) {
  // The close box: the model closes by other means than a button.
  if (!model_.Closed()) model_.Close();
  event->accept();
  QDialog::closeEvent(event);
}

void RunModalDialog(host::ModalDialog& model, QWidget* parent) {
  if (model.Closed()) return;
  // The dialog may outlive its parent's widget when a handler destroys it meanwhile.
  QPointer<ModelDialog> dialog = new ModelDialog(model, parent);
  dialog->exec();
  if (!model.Closed()) model.Close();
  delete dialog.data();
}

}  // namespace wayband::qt
