#include "headless/dialog_host.h"

namespace wayband::headless {

namespace {

// The default and cancel buttons close a dialog.
bool ClosesDialog(const host::ModalDialog& dialog, const std::string& name) {
  for (const host::DialogItem& item : dialog.Items()) {
    if (item.name == name) return item.isDefault || item.isCancel;
  }
  return false;
}

// A copy of what a picture item shows, or null.
platform::BitmapHandle CopyImage(const platform::DrawingContext* image) {
  if (!image || !image->bitmap()) return nullptr;
  const platform::Size size = platform::GetBitmapSize(image->bitmap().get());
  platform::BitmapHandle copy = platform::CreateCompatibleBitmap(*image, size.cx, size.cy);
  if (!copy) return nullptr;
  const auto dc = platform::DrawingContext::CreateCompatible(image);
  dc->SelectBitmap(copy);
  platform::BitBlt(*dc, 0, 0, size.cx, size.cy, image, 0, 0, platform::SRCCOPY);
  return copy;
}

}  // namespace

void Perform(host::ModalDialog& dialog, const DialogAction& action) {
  switch (action.kind) {
    case DialogAction::Kind::kClickButton:
      dialog.ClickButton(action.name);
      break;
    case DialogAction::Kind::kClickEntry:
      dialog.ClickEntry(action.name, action.entry);
      break;
    case DialogAction::Kind::kSetTicked:
      dialog.SetTicked(action.name, action.entry, action.ticked);
      break;
    case DialogAction::Kind::kSetText:
      dialog.SetItemText(action.name, action.text);
      break;
    case DialogAction::Kind::kClickPicture:
      dialog.ClickPicture(action.name, action.x, action.y);
      break;
    case DialogAction::Kind::kClose:
      dialog.Close();
      break;
  }
}

DialogSnapshot SnapshotOf(const host::ModalDialog& dialog) {
  DialogSnapshot snapshot;
  snapshot.caption = dialog.Caption();
  snapshot.fontName = dialog.FontName();
  snapshot.fontSize = dialog.FontSize();
  snapshot.clientWidth = dialog.ClientWidth();
  snapshot.clientHeight = dialog.ClientHeight();
  for (const host::DialogItem& item : dialog.Items()) {
    snapshot.items.push_back(item);
    snapshot.enabled.push_back(dialog.ItemEnabled(item.name));
    snapshot.texts.push_back(dialog.ItemText(item.name));
    snapshot.images.push_back(CopyImage(dialog.ItemImage(item.name)));
    if (item.kind == host::DialogItemKind::kCheckList) {
      snapshot.entries = dialog.ListEntries(item.name);
      snapshot.current = dialog.CurrentEntry(item.name);
    }
  }
  return snapshot;
}

void DialogHost::Run(host::ModalDialog& dialog) {
  // Taken now: a nested dialog (opened by a handler meanwhile) has no actions of its own.
  const std::vector<DialogAction> actions = std::move(script_);
  script_.clear();
  const ActionObserver observer = observer_;
  const CloseObserver closeObserver = closeObserver_;
  const auto keep = [&](DialogSnapshot snapshot) {
    if (closeObserver) closeObserver(snapshot);
    shown_.push_back(std::move(snapshot));
  };
  for (const DialogAction& action : actions) {
    if (dialog.Closed()) break;
    const bool closes = action.kind == DialogAction::Kind::kClose ||
                        (action.kind == DialogAction::Kind::kClickButton &&
                         dialog.ItemEnabled(action.name) && ClosesDialog(dialog, action.name));
    if (closes) keep(SnapshotOf(dialog));
    Perform(dialog, action);
    if (dialog.Closed()) {
      if (!closes) shown_.push_back(SnapshotOf(dialog));
      return;
    }
    if (observer) observer(dialog);
  }
  if (dialog.Closed()) return;
  keep(SnapshotOf(dialog));
  dialog.Close();
}

}  // namespace wayband::headless
