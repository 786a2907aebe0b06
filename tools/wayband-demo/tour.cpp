#include "tour.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>
#include <cstdio>
#include <functional>
#include <vector>

#include "demo_window.h"
#include "qt/qt_dialog.h"
#include "qt/qt_windows.h"
#include "qt/wayband_widget.h"
#include "tour_pointer.h"
#include "wayband/wayband.h"

namespace wayband_demo {

namespace {

// How long the tour lets things settle: a tip shows after the mouse rests 500 ms. A new
// colour scheme reaches the control through its window's messages at once.
constexpr int kSettleMs = 150;
constexpr int kTipMs = 800;
// The large bars the demo starts with.
constexpr int kTourBars = 4;
// What the screenshots show around the window.
const QColor kDesktopColor(0x5A, 0x6E, 0x84);

// Lets Qt's event loop run for a while (the platform timers with it).
void Wait(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

QPoint Center(const wayband::InspectedRect& rect) {
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The first panel of the snapshot that `wanted` accepts, or null.
template <typename Predicate>
const wayband::InspectedPanel* FirstPanel(const wayband::WaybandInspection& state,
                                          Predicate wanted) {
  for (const wayband::InspectedPanel& panel : state.panels) {
    if (wanted(panel)) return &panel;
  }
  return nullptr;
}

class Tour {
 public:
  Tour(DemoWindow& window, const QString& folder)
      : window_(window), bar_(window.Bar()), pointer_(window), folder_(folder) {}

  int Run();

 private:
  // The window as the user sees it: its own pixels with every other visible top-level
  // window of the application (menus, tips, dialogs) over it where it lies.
  QImage Screen() const;
  void Save(const QString& name, const QImage& image);
  void Shot(const QString& name) { Save(name, Screen()); }

  QWidget* Strip(const wayband::InspectedWindow& strip) const {
    return wayband::qt::QtWindows::Instance().Widget(strip.window);
  }
  // Clicks the bar or toolbar button of the panel at a 0-based position.
  void ClickPanel(size_t position);
  void HoverBar();
  void HoverToolbarButton();
  // The first two items of the chevron's menu.
  static constexpr int kShowMore = 0;
  static constexpr int kShowFewer = 1;
  void ChooseFromChevronMenu(int action);
  // Opens the chevron's menu with the mouse; `shot`: saves a screenshot of it open.
  void OpenChevronMenu(bool shot);
  void OptionsAndReorder();
  void DragSplitter();
  void SwitchSchemes();
  void ResizeWithAutoHide();

  DemoWindow& window_;
  wayband::qt::WaybandWidget& bar_;
  TourPointer pointer_;
  QString folder_;
  int shots_ = 0;
  bool failed_ = false;
};

QImage Tour::Screen() const {
  const QPoint origin = window_.mapToGlobal(QPoint(0, 0));
  QRect area(QPoint(0, 0), window_.size());
  std::vector<QWidget*> others;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top == &window_ || !top->isVisible()) continue;
    others.push_back(top);
    area |= QRect(top->mapToGlobal(QPoint(0, 0)) - origin, top->size());
  }
  // A tip below the window widens the picture; the desktop shows around the window.
  QImage screen(area.size(), QImage::Format_RGB32);
  screen.fill(kDesktopColor);
  QPainter painter(&screen);
  painter.drawPixmap(-area.topLeft(), window_.grab());
  for (QWidget* top : others)
    painter.drawPixmap(top->mapToGlobal(QPoint(0, 0)) - origin - area.topLeft(), top->grab());
  return screen;
}

void Tour::Save(const QString& name, const QImage& image) {
  const QString file =
      QDir(folder_).filePath(QString("%1-%2.png").arg(++shots_, 2, 10, QChar('0')).arg(name));
  if (!image.save(file)) {
    std::fprintf(stderr, "wayband-demo: could not write %s\n", qPrintable(file));
    failed_ = true;
    return;
  }
  std::printf("%s\n", qPrintable(file));
}

void Tour::ClickPanel(size_t position) {
  wayband::WaybandInspection state = bar_.control().Inspect();
  if (position >= state.panels.size()) return;
  // A panel drawn nowhere is reached the user's way: "Show More Buttons" until it shows.
  for (size_t tries = 0; state.panels[position].rcItem.Width() <= 0 && tries < position; ++tries) {
    ChooseFromChevronMenu(kShowMore);
    state = bar_.control().Inspect();
  }
  const wayband::InspectedPanel& panel = state.panels[position];
  QWidget* target = panel.bInToolbar ? Strip(state.ctlToolbar) : &bar_;
  if (!target) return;
  pointer_.Click(*target, Center(panel.rcItem));
  Wait(kSettleMs);
}

void Tour::ChooseFromChevronMenu(int action) {
  OpenChevronMenu(false);
  if (QMenu* menu = window_.ChevronMenu()) menu->actions().at(action)->trigger();
  Wait(kSettleMs);
}

void Tour::HoverToolbarButton() {
  const wayband::WaybandInspection state = bar_.control().Inspect();
  QWidget* toolbar = Strip(state.ctlToolbar);
  const wayband::InspectedPanel* button =
      FirstPanel(state, [](const wayband::InspectedPanel& p) { return p.bInToolbar; });
  if (!toolbar || !button) return;
  pointer_.MoveTo(*toolbar, Center(button->rcItem));
  Wait(kTipMs);
  Shot("hover-toolbar-tip");
}

void Tour::OpenChevronMenu(bool shot) {
  const wayband::WaybandInspection state = bar_.control().Inspect();
  QWidget* toolbar = Strip(state.ctlToolbar);
  if (!toolbar) return;
  // The chevron sits in the toolbar's last 16 pixels.
  pointer_.MoveTo(*toolbar, {toolbar->width() - 8, toolbar->height() / 2});
  Wait(kSettleMs);
  // The menu opens on the press.
  pointer_.Press();
  Wait(kSettleMs);
  if (shot) Shot("chevron-menu");
  pointer_.Release();
  if (QMenu* menu = window_.ChevronMenu()) menu->hide();
  Wait(kSettleMs);
}

void Tour::OptionsAndReorder() {
  // The dialog is modal: the tour goes on from inside its loop.
  QTimer::singleShot(kSettleMs, &window_, [this] {
    auto* dialog = dynamic_cast<wayband::qt::ModelDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    Shot("options-dialog");
    auto* list = qobject_cast<QListWidget*>(dialog->ItemWidget("lstBars"));
    auto* down = qobject_cast<QPushButton*>(dialog->ItemWidget("cmdDown"));
    auto* ok = qobject_cast<QPushButton*>(dialog->ItemWidget("cmdOK"));
    if (!list || !down || !ok) return dialog->reject();
    // Mail goes to the third place, and Notes is hidden.
    list->setCurrentRow(0);
    down->click();
    down->click();
    if (QListWidgetItem* notes = list->item(4)) notes->setCheckState(Qt::Unchecked);
    Wait(kSettleMs);
    Shot("options-reordered");
    ok->click();
  });
  bar_.control().ShowNavigationOptions();
  Wait(kSettleMs);
  Shot("after-reorder");
}

void Tour::HoverBar() {
  const wayband::WaybandInspection state = bar_.control().Inspect();
  // A large bar other than the selected one.
  const int32_t selected = state.SelectedIndex;
  int32_t index = 0;
  const wayband::InspectedPanel* bar = FirstPanel(state, [&](const wayband::InspectedPanel& p) {
    return ++index != selected && !p.bInToolbar && p.rcItem.Height() > 0;
  });
  if (!bar) return;
  pointer_.MoveTo(bar_, Center(bar->rcItem));
  Wait(kSettleMs);
  Shot("hover-bar");
}

void Tour::DragSplitter() {
  const wayband::WaybandInspection state = bar_.control().Inspect();
  QWidget* splitter = Strip(state.ctlSplitBar);
  QWidget* toolbar = Strip(state.ctlToolbar);
  if (!splitter || !toolbar) return;
  // Up by two bar heights: two more large bars, where they fit.
  const QPoint from(splitter->width() / 2, splitter->height() / 2);
  pointer_.Drag(*splitter, from, from - QPoint(0, 2 * toolbar->height()), 8);
  Wait(kSettleMs);
  Shot("splitter-dragged");
}

void Tour::SwitchSchemes() {
  window_.ChooseDesktop("High Contrast Black");
  Wait(kSettleMs);
  Shot("scheme-high-contrast-black");
  // Following the desktop: a dark palette for the application, and the control with it.
  const QPalette original = QApplication::palette();
  QPalette dark(QColor(0x35, 0x3A, 0x42), QColor(0x2A, 0x2E, 0x35));
  dark.setColor(QPalette::Highlight, QColor(0x3D, 0x8E, 0xD8));
  dark.setColor(QPalette::HighlightedText, Qt::white);
  dark.setColor(QPalette::Base, QColor(0x24, 0x27, 0x2D));
  dark.setColor(QPalette::Text, QColor(0xE6, 0xE6, 0xE6));
  dark.setColor(QPalette::WindowText, QColor(0xE6, 0xE6, 0xE6));
  dark.setColor(QPalette::ButtonText, QColor(0xE6, 0xE6, 0xE6));
  window_.ChooseDesktop(kFollowDesktop);
  QApplication::setPalette(dark);
  Wait(kSettleMs);
  Shot("follow-dark-palette");
  QApplication::setPalette(original);
  window_.ChooseDesktop("Styled Metallic");
  Wait(kSettleMs);
  Shot("scheme-metallic");
}

void Tour::ResizeWithAutoHide() {
  bar_.control().SetAutoHide(true);
  const QSize size = window_.size();
  window_.resize(size.width(), size.height() * 3 / 5);
  Wait(kSettleMs);
  Shot("resized-autohide");
  window_.resize(size);
  Wait(kSettleMs);
  Shot("resized-back");
}

int Tour::Run() {
  QDir().mkpath(folder_);
  Wait(kSettleMs);
  const size_t panels = bar_.control().Inspect().panels.size();
  for (size_t position = 0; position < panels; ++position) {
    ClickPanel(position);
    Shot("select-" + QString::fromStdString(bar_.control().Inspect().panels[position].sKey));
  }
  ClickPanel(0);
  // Back to the toolbar buttons the last panel took away.
  for (size_t i = 0; i < panels && bar_.control().BarsToShow() > kTourBars; ++i)
    ChooseFromChevronMenu(kShowFewer);
  HoverBar();
  HoverToolbarButton();
  OpenChevronMenu(true);
  OptionsAndReorder();
  DragSplitter();
  SwitchSchemes();
  ResizeWithAutoHide();
  return failed_ ? 1 : 0;
}

}  // namespace

int RunTour(DemoWindow& window, const QString& folder) {
  return Tour(window, folder).Run();
}

}  // namespace wayband_demo
