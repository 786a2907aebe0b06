#include "panel_views.h"

#include <QCalendarWidget>
#include <QDate>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <array>
#include <initializer_list>

namespace wayband_demo {

namespace {

// A folder and the folders in it, one level deep.
struct Folder {
  const char* name;
  std::initializer_list<const char*> folders = {};
};

QTreeWidget* Tree(const char* rootName, std::initializer_list<Folder> folders) {
  auto* tree = new QTreeWidget;
  tree->setHeaderHidden(true);
  auto* root = new QTreeWidgetItem(tree, QStringList{rootName});
  for (const Folder& folder : folders) {
    auto* item = new QTreeWidgetItem(root, QStringList{folder.name});
    for (const char* name : folder.folders)
      new QTreeWidgetItem(item, QStringList{name});
  }
  tree->expandAll();
  return tree;
}

QWidget* MailFolders() {
  QTreeWidget* tree = Tree("My Mail", {{"Inbox (3)"},
                                       {"Drafts"},
                                       {"Sent Items"},
                                       {"Deleted Items"},
                                       {"Outbox"},
                                       {"Archive", {"2025", "2026"}}});
  tree->setCurrentItem(tree->topLevelItem(0)->child(0));
  return tree;
}

QWidget* FolderList() {
  return Tree("All Folders", {{"Calendar"},
                              {"Contacts"},
                              {"Journal"},
                              {"Notes"},
                              {"Tasks"},
                              {"Mail", {"Inbox", "Sent Items", "Junk"}}});
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

constexpr std::array kPanels{
    PanelInfo{"mail", "Mail", "inbox.ico", "Mail", MailFolders, false},
    PanelInfo{"calendar", "Calendar", "agenda.ico", "Calendar", Calendar, false},
    PanelInfo{"contacts", "Contacts", "people.ico", "Contacts", Contacts, false},
    PanelInfo{"tasks", "Tasks", "checklist.png", "Tasks", Tasks, false},
    PanelInfo{"notes", "Notes", "memo.png", "Notes", Notes, true},
    PanelInfo{"folders", "Folder List", "folders.png", "Folder List", FolderList, false},
};

}  // namespace

std::span<const PanelInfo> Panels() {
  return kPanels;
}

}  // namespace wayband_demo
