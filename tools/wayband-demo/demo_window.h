// The demo's main window, laid out like a mail client's: the Wayband on the left with six
// panels and their widgets, a message list and a reading pane on the right, a menu that
// chooses the desktop's look, and a status bar that shows the control's last event.
#pragma once

#include <QMainWindow>
#include <QString>
#include <map>

class QActionGroup;
class QLabel;
class QMenu;

namespace wayband::qt {
class WaybandWidget;
}

namespace wayband_demo {

// "Follow the desktop": the application's palette gives the desktop's colours.
inline constexpr const char* kFollowDesktop = "Follow the desktop";

class DemoWindow final : public QMainWindow {
 public:
  explicit DemoWindow(const QString& iconFolder);

  wayband::qt::WaybandWidget& Bar() { return *bar_; }
  // The chevron's menu, while it is open.
  QMenu* ChevronMenu() const { return chevronMenu_; }
  // Chooses a desktop preset by name, or kFollowDesktop, as the Desktop menu does.
  void ChooseDesktop(const QString& name);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void AddPanels(const QString& iconFolder);
  void BuildMenus();
  void OpenChevronMenu();
  void ShowPanel(const QString& caption);
  void ShowEvent(const QString& text);

  wayband::qt::WaybandWidget* bar_;
  QLabel* heading_;
  QLabel* lastEvent_;
  QMenu* chevronMenu_ = nullptr;
  QActionGroup* desktops_ = nullptr;
  bool firstShow_ = true;
};

}  // namespace wayband_demo
