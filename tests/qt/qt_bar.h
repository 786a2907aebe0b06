// A Wayband widget on a form of the offscreen platform, with six panels whose child
// widgets are labels, driven through the form's QWindow as the window system would.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <memory>

#include "qt/qt_windows.h"
#include "qt/wayband_widget.h"
#include "wayband/wayband.h"

namespace wayband::qt::testing {

QApplication& App();

class QtBarTest : public ::testing::Test {
 protected:
  static constexpr int kPanels = 6;

  void SetUp() override;
  void TearDown() override;

  Wayband& Control() { return bar->control(); }
  WaybandInspection State() { return Control().Inspect(); }
  QWidget* Strip(const InspectedWindow& strip) {
    return QtWindows::Instance().Widget(strip.window);
  }
  QWidget* Toolbar() { return Strip(State().ctlToolbar); }
  // The centre of the panel's bar or toolbar button, in the widget that shows it.
  std::pair<QWidget*, QPoint> PanelSpot(int index);

  // The mouse at a point of `widget`: the cursor moves there, then the form's window
  // gets the event.
  void Move(QWidget* widget, QPoint point);
  void Press(QWidget* widget, QPoint point);
  void Release(QWidget* widget, QPoint point);
  void Click(QWidget* widget, QPoint point);

  std::unique_ptr<QWidget> form;
  QPointer<WaybandWidget> bar;
  std::vector<QPointer<QLabel>> views;
};

}  // namespace wayband::qt::testing
