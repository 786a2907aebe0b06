#include "qt/qt_dialog.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>

#include <functional>

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

// A picture item: shows the model's pixels and hands left-button presses on to it.
class PictureItem final : public QLabel {
 public:
  PictureItem(QWidget* parent, std::function<void(QPoint)> pressed)
      : QLabel(parent), pressed_(std::move(pressed)) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) pressed_(event->position().toPoint());
  }

 private:
  std::function<void(QPoint)> pressed_;
};

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
      case host::DialogItemKind::kTextBox: {
        auto* box = new QLineEdit(this);
        const std::string name = item.name;
        connect(box, &QLineEdit::textEdited, this, [this, name](const QString& text) {
          model_.SetItemText(name, text.toStdString());
          Sync();
        });
        boxes_[name] = box;
        widget = box;
        break;
      }
      case host::DialogItemKind::kPicture: {
        const std::string name = item.name;
        auto* picture = new PictureItem(this, [this, name](QPoint at) {
          model_.ClickPicture(name, at.x() * TwipsPerPixelX(*this), at.y() * TwipsPerPixelY(*this));
          Sync();
        });
        pictures_[name] = picture;
        widget = picture;
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
  for (auto& [name, box] : boxes_) {
    const QString text = QString::fromStdString(model_.ItemText(name));
    if (box->text() != text) box->setText(text);
  }
  for (auto& [name, picture] : pictures_)
    ShowPicture(name, *picture);
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

// The model's pixels of a picture, copied: the model repaints them after each action.
void ModelDialog::ShowPicture(const std::string& name, QLabel& picture) {
  const platform::DrawingContext* dc = model_.ItemImage(name);
  const platform::BitmapHandle& bitmap = dc ? dc->bitmap() : platform::BitmapHandle{};
  if (!bitmap) {
    picture.clear();
    return;
  }
  const QImage view(bitmap->bits().data(), bitmap->width(), bitmap->height(), bitmap->stride(),
                    QImage::Format_RGB32);
  picture.setPixmap(QPixmap::fromImage(view.copy()));
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
