#include "panel_views.h"

#include <QCalendarWidget>
#include <QDate>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <array>

namespace wayband_demo {

namespace {

QTreeWidgetItem* Branch(QTreeWidgetItem* parent, const QString& text) {
  auto* item = new QTreeWidgetItem(parent, QStringList{text});
  item->setExpanded(true);
  return item;
}

QTreeWidget* Tree(const QString& rootName) {
  auto* tree = new QTreeWidget;
  tree->setHeaderHidden(true);
  auto* root = new QTreeWidgetItem(tree, QStringList{rootName});
  root->setExpanded(true);
  return tree;
}

QWidget* MailFolders() {
  QTreeWidget* tree = Tree("My Mail");
  QTreeWidgetItem* root = tree->topLevelItem(0);
  for (const char* name : {"Inbox (3)", "Drafts", "Sent Items", "Deleted Items", "Outbox"})
    Branch(root, name);
  QTreeWidgetItem* archive = Branch(root, "Archive");
  for (const char* name : {"2025", "2026"})
    Branch(archive, name);
  tree->setCurrentItem(root->child(0));
  return tree;
}

QWidget* Calendar() {
  auto* calendar = new QCalendarWidget;
  calendar->setGridVisible(true);
  calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  calendar->setSelectedDate(QDate(2026, 12, 7));
  return calendar;
}

QWidget* Contacts() {
  auto* list = new QListWidget;
  for (const char* name : {"Ada Brightwater", "Benedikt Ostrander", "Carmen Ilves", "Dario Quintel",
                           "Elin Marsh", "Farid Okonjo", "Greta Vollmer"})
    list->addItem(name);
  return list;
}

QWidget* Tasks() {
  auto* list = new QListWidget;
  const std::array<std::pair<const char*, bool>, 5> tasks{{{"Send the quarterly report", true},
                                                           {"Book the meeting room", false},
                                                           {"Review the travel plan", false},
                                                           {"Renew the parking permit", true},
                                                           {"Call the printer service", false}}};
  for (const auto& [text, done] : tasks) {
    auto* item = new QListWidgetItem(text, list);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(done ? Qt::Checked : Qt::Unchecked);
  }
  return list;
}

QWidget* Notes() {
  auto* notes = new QPlainTextEdit;
  notes->setPlainText(
      "Monday\n- bring the signed forms\n- ask about the new badge\n\n"
      "Ideas\n- a shared calendar for the team\n- move the weekly call to Thursday\n");
  return notes;
}

QWidget* FolderList() {
  QTreeWidget* tree = Tree("All Folders");
  QTreeWidgetItem* root = tree->topLevelItem(0);
  for (const char* name : {"Calendar", "Contacts", "Journal", "Notes", "Tasks"})
    Branch(root, name);
  QTreeWidgetItem* mail = Branch(root, "Mail");
  for (const char* name : {"Inbox", "Sent Items", "Junk"})
    Branch(mail, name);
  return tree;
}

constexpr std::array kPanels{
    PanelInfo{"mail", "Mail", "inbox.ico", "Mail", MailFolders},
    PanelInfo{"calendar", "Calendar", "agenda.ico", "Calendar", Calendar},
    PanelInfo{"contacts", "Contacts", "people.ico", "Contacts", Contacts},
    PanelInfo{"tasks", "Tasks", "checklist.png", "Tasks", Tasks},
    PanelInfo{"notes", "Notes", "memo.png", "Notes", Notes},
    PanelInfo{"folders", "Folder List", "folders.png", "Folder List", FolderList},
};

}  // namespace

std::span<const PanelInfo> Panels() {
  return kPanels;
}

}  // namespace wayband_demo
