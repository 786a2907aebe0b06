#include "demo_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

#include "panel_views.h"
#include "platform/desktop_presets.h"
#include "qt/norvale_container_widget.h"
#include "qt/wayband_widget.h"
#include "wayband/norvale_container.h"
#include "wayband/wayband.h"

namespace wayband_demo {

namespace {

// The large bars the window starts with.
constexpr int kStartBars = 4;

QWidget* ReadingArea(QLabel*& heading) {
  auto* area = new QWidget;
  auto* layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  heading = new QLabel;
  QFont big = heading->font();
  big.setPointSizeF(big.pointSizeF() * 1.5);
  big.setBold(true);
  heading->setFont(big);
  heading->setContentsMargins(8, 6, 8, 6);
  layout->addWidget(heading);

  auto* split = new QSplitter(Qt::Vertical);
  auto* messages = new QTreeWidget;
  messages->setHeaderLabels({"From", "Subject", "Received"});
  messages->setRootIsDecorated(false);
  const char* rows[][3] = {
      {"Ada Brightwater", "Minutes of Thursday's meeting", "Mon 09:12"},
      {"Farid Okonjo", "Re: travel plan for January", "Mon 08:47"},
      {"Greta Vollmer", "Parking permits", "Sun 17:30"},
      {"Carmen Ilves", "Quarterly report, draft 2", "Fri 16:05"},
  };
  for (const auto& row : rows)
    new QTreeWidgetItem(messages, QStringList{row[0], row[1], row[2]});
  messages->setCurrentItem(messages->topLevelItem(0));
  auto* preview = new QTextBrowser;
  preview->setHtml(
      "<p><b>Minutes of Thursday's meeting</b></p><p>Hello all,</p><p>the minutes are "
      "attached. The next meeting moves to Thursday at ten.</p><p>Ada</p>");
  split->addWidget(messages);
  split->addWidget(preview);
  split->setSizes({160, 240});
  layout->addWidget(split, 1);
  return area;
}

// The view inside a captioned container that fills its area below the bar, with the
// panel's icon and caption.
QWidget* Captioned(QWidget* view, const PanelInfo& info, const QString& iconFile) {
  auto* box = new wayband::qt::NorvaleContainerWidget;
  box->setObjectName(QString(info.key) + "Container");
  wayband::NorvaleContainer& container = box->container();
  container.AddIconFromFile(iconFile.toStdString(), info.key);
  container.SetCaption(info.caption);
  container.SetAutoSizeControls(true);
  box->addWidget(view);
  return box;
}

}  // namespace

DemoWindow::DemoWindow(const QString& iconFolder) {
  setWindowTitle("Wayband demo");
  // The bar is made inside the window, so that it hooks the window and follows the
  // desktop through its messages.
  auto* split = new QSplitter(Qt::Horizontal, this);
  bar_ = new wayband::qt::WaybandWidget(split);
  bar_->setObjectName("Wayband1");
  split->addWidget(bar_);
  split->addWidget(ReadingArea(heading_));
  split->setStretchFactor(1, 1);
  split->setSizes({240, 580});
  setCentralWidget(split);
  lastEvent_ = new QLabel;
  statusBar()->addWidget(lastEvent_, 1);

  AddPanels(iconFolder);
  BuildMenus();

  using Bar = wayband::qt::WaybandWidget;
  connect(bar_, &Bar::barClick, this, [this](wayband::ShortcutPanel panel) {
    ShowPanel(QString::fromStdString(panel.Caption()));
    ShowEvent("BarClick: " + QString::fromStdString(panel.Caption()));
  });
  connect(bar_, &Bar::barRightClick, this, [this](wayband::ShortcutPanel panel) {
    ShowEvent("BarRightClick: " + QString::fromStdString(panel.Caption()));
  });
  connect(bar_, &Bar::barHover, this, [this](wayband::ShortcutPanel panel) {
    ShowEvent("BarHover: " + QString::fromStdString(panel.Caption()));
  });
  connect(bar_, &Bar::panelResize, this, [this](bool end) {
    ShowEvent(QString("PanelResize: %1, %2 bars shown")
                  .arg(end ? "end" : "step")
                  .arg(bar_->control().BarsToShow()));
  });
  connect(bar_, &Bar::showChevronMenu, this, [this] {
    ShowEvent("ShowChevronMenu");
    OpenChevronMenu();
  });
  resize(820, 560);
}

void DemoWindow::AddPanels(const QString& iconFolder) {
  wayband::Wayband& control = bar_->control();
  control.SetRedraw(false);
  for (const PanelInfo& info : Panels()) {
    const QString file = QDir(iconFolder).filePath(info.icon);
    control.LoadIconImageFromFile(file.toStdString(), info.key);
    auto panel =
        control.WaybandPanels().Add(wayband::Variant(info.key), {}, info.caption, info.key);
    if (!panel) continue;
    panel->SetToolTipText(info.toolTip);
    QWidget* view = info.makeView();
    view->setObjectName(QString(info.key) + "View");
    bar_->setPanelWidget(info.key, info.captioned ? Captioned(view, info, file) : view);
  }
  control.SetRedraw(true);
  if (auto first = control.WaybandPanels().Item(wayband::Variant(int32_t{1}))) {
    first->SetSelected(true);
    ShowPanel(QString::fromStdString(first->Caption()));
  }
}

void DemoWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // A hidden bar has no room for large bars: they are chosen once it has its size.
  if (std::exchange(firstShow_, false)) bar_->control().SetBarsToShow(kStartBars);
}

void DemoWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  file->addAction("E&xit", this, &QWidget::close);

  QMenu* view = menuBar()->addMenu("&View");
  view->addAction("Navigation Pane &Options...", this,
                  [this] { bar_->control().ShowNavigationOptions(); });
  QMenu* desktop = view->addMenu("&Desktop");
  desktops_ = new QActionGroup(this);
  const auto add = [&](const QString& name) {
    QAction* action = desktop->addAction(name, this, [this, name] { ChooseDesktop(name); });
    action->setCheckable(true);
    action->setData(name);
    desktops_->addAction(action);
    return action;
  };
  add(kFollowDesktop)->setChecked(true);
  desktop->addSeparator();
  for (std::string_view preset : wayband::platform::DesktopPresetNames())
    add(QString::fromUtf8(preset.data(), static_cast<qsizetype>(preset.size())));
}

void DemoWindow::ChooseDesktop(const QString& name) {
  for (QAction* action : desktops_->actions()) {
    if (action->data().toString() == name) action->setChecked(true);
  }
  if (name == kFollowDesktop) {
    bar_->setFollowPalette(true);
  } else if (auto preset = wayband::platform::FindDesktopPreset(name.toStdString())) {
    bar_->setFollowPalette(false);
    wayband::platform::SetCurrentDesktop(*preset);
  }
  ShowEvent("Desktop: " + name);
}

void DemoWindow::OpenChevronMenu() {
  delete chevronMenu_;
  chevronMenu_ = new QMenu(this);
  wayband::Wayband& control = bar_->control();
  chevronMenu_->addAction("Show &More Buttons", this,
                          [&control] { control.SetBarsToShow(control.BarsToShow() + 1); });
  chevronMenu_->addAction("Show &Fewer Buttons", this, [&control] {
    control.SetBarsToShow(std::max(0, control.BarsToShow() - 1));
  });
  chevronMenu_->addSeparator();
  chevronMenu_->addAction("Navigation Pane &Options...", this,
                          [&control] { control.ShowNavigationOptions(); });
  chevronMenu_->popup(QCursor::pos());
}

void DemoWindow::ShowPanel(const QString& caption) {
  heading_->setText(caption);
}

void DemoWindow::ShowEvent(const QString& text) {
  lastEvent_->setText(text);
}

}  // namespace wayband_demo
