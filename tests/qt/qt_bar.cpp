#include "qt_bar.h"

#include <QCursor>

// LeakSanitizer's suppressions for this program: Qt's font database leaves fontconfig
// allocations behind at exit, which are not the host's.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}

namespace wayband::qt::testing {

namespace {
constexpr const char* kCaptions[] = {"Mail", "Calendar", "Contacts", "Tasks", "Notes", "Folders"};
}  // namespace

QApplication& App() {
  // ctest runs these on the offscreen platform; so does a run by hand that names none.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "wayband_test_qt";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

void QtBarTest::SetUp() {
  App();
  form = std::make_unique<QWidget>();
  form->setObjectName("Form1");
  form->resize(240, 520);
  bar = new WaybandWidget(form.get());
  bar->setGeometry(0, 0, 200, 500);
  Control().SetRedraw(false);
  for (const char* caption : kCaptions) {
    auto panel = Control().WaybandPanels().Add(Variant(caption), {}, caption);
    panel->SetToolTipText(std::string(caption) + " tip");
    views.emplace_back(new QLabel(caption));
    bar->setPanelWidget(caption, views.back());
  }
  Control().SetBarsToShow(3);
  Control().SetRedraw(true);
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
}

void QtBarTest::TearDown() {
  form.reset();
  QCursor::setPos(0, 0);
}

std::pair<QWidget*, QPoint> QtBarTest::PanelSpot(int index) {
  const InspectedPanel panel = State().panels.at(static_cast<size_t>(index));
  const QPoint centre((panel.rcItem.left + panel.rcItem.right) / 2,
                      (panel.rcItem.top + panel.rcItem.bottom) / 2);
  return {panel.bInToolbar ? Toolbar() : bar.data(), centre};
}

void QtBarTest::Move(QWidget* widget, QPoint point) {
  QCursor::setPos(widget->mapToGlobal(point));
  QTest::mouseMove(form->windowHandle(), widget->mapTo(form.get(), point));
}

void QtBarTest::Press(QWidget* widget, QPoint point) {
  Move(widget, point);
  QTest::mousePress(form->windowHandle(), Qt::LeftButton, {}, widget->mapTo(form.get(), point));
}

void QtBarTest::Release(QWidget* widget, QPoint point) {
  QCursor::setPos(widget->mapToGlobal(point));
  QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, {}, widget->mapTo(form.get(), point));
}

void QtBarTest::Click(QWidget* widget, QPoint point) {
  Press(widget, point);
  Release(widget, point);
}

}  // namespace wayband::qt::testing
