// The Qt host's window messages (the form's hook, in either order of destruction), its
// open-file dialog, and a captioned container holding an application widget in a panel.
#include <QFileDialog>
#include <QTemporaryFile>
#include <QTimer>
#include <functional>

#include "platform/desktop_settings.h"
#include "platform/system_colors.h"
#include "qt/norvale_container_widget.h"
#include "qt/qt_desktop.h"
#include "qt/qt_environment.h"
#include "qt/qt_file_dialog.h"
#include "qt_bar.h"
#include "wayband/norvale_container.h"

namespace wayband::qt::testing {
namespace {

using ::testing::Bool;
using ::testing::Values;
using ::testing::WithParamInterface;

class DestroyOrderTest : public QtBarTest, public WithParamInterface<bool> {};

TEST_P(DestroyOrderTest, EitherGoesFirstSafely) {
  const bool formFirst = GetParam();
  QtWindows& windows = QtWindows::Instance();
  const host::WindowHandle window = windows.NearestWindow(form.get());
  const host::WindowProcedureRef hooked = windows.GetWindowProcedure(window);
  ASSERT_FALSE(State().PollingNeeded);
  if (formFirst) {
    form.reset();
    EXPECT_FALSE(windows.IsWindow(window));
  } else {
    delete bar.data();
    // The form's own handling is back.
    EXPECT_NE(windows.GetWindowProcedure(window), hooked);
  }
  // A desktop change reaches what is left.
  platform::CurrentDesktop().SetSysColor(platform::COLOR_BTNFACE, 0x123456);
  QCoreApplication::processEvents();
  QtEnvironment::Instance().Desktop().SetFollowPalette(true);
}

INSTANTIATE_TEST_SUITE_P(Orders, DestroyOrderTest, Bool(),
                         [](const auto& info) { return info.param ? "FormFirst" : "BarFirst"; });

struct FilterCase {
  std::vector<host::FileFilter> filters;
  int32_t index;
  QStringList names;
  int selected;
};

class FileFilterTest : public WithParamInterface<FilterCase>, public ::testing::Test {};

TEST_P(FileFilterTest, FiltersBecomeNameFilters) {
  App();
  QFileDialog dialog;
  SetUpOpenFileDialog(dialog, {"Pick", GetParam().filters, GetParam().index, "ico"});
  EXPECT_EQ(dialog.windowTitle(), "Pick");
  EXPECT_EQ(dialog.defaultSuffix(), "ico");
  EXPECT_EQ(NameFiltersOf(GetParam().filters), GetParam().names);
  EXPECT_EQ(dialog.selectedNameFilter(), GetParam().names.value(GetParam().selected));
}

INSTANTIATE_TEST_SUITE_P(Filters, FileFilterTest,
                         Values(FilterCase{{{"Icons", "*.ico;*.png"}, {"All Files", "*.*"}},
                                           2,
                                           {"Icons (*.ico *.png)", "All Files (*.*)"},
                                           1},
                                FilterCase{{{"Pictures (*.bmp)", "*.bmp"}, {"", " ; "}},
                                           9,
                                           {"Pictures (*.bmp) (*.bmp)", "*"},
                                           0}));

class FileChoiceTest : public WithParamInterface<bool>, public ::testing::Test {};

TEST_P(FileChoiceTest, ReturnsTheChosenFileOrNothing) {
  App();
  QtEnvironment::Instance();
  const bool accept = GetParam();
  QTemporaryFile file;
  ASSERT_TRUE(file.open());
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->selectFile(file.fileName());
    QDialog* asked = dialog;  // QFileDialog hides accept()
    accept ? asked->accept() : asked->reject();
  });
  const auto chosen = host::ShowOpenFileDialog({"Pick", {{"All", "*"}}, 1, ""});
  EXPECT_EQ(chosen, accept ? std::optional(file.fileName().toStdString()) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Answers, FileChoiceTest, Bool());

class ContainerTest : public QtBarTest, public WithParamInterface<bool> {};

TEST_P(ContainerTest, PaintsItsBarAndSizesItsWidget) {
  const bool autoSize = GetParam();
  auto* box = new NorvaleContainerWidget;
  auto* child = new QLabel("inside");
  box->container().SetCaption("Notes");
  box->container().SetAutoSizeControls(autoSize);
  box->addWidget(child);
  child->setGeometry(5, 50, 30, 20);
  bar->setPanelWidget("Notes", box);
  Control().WaybandPanels().Item(Variant("Notes"))->SetSelected(true);
  QCoreApplication::processEvents();
  ASSERT_TRUE(box->isVisible());
  const ContainerInspection state = box->container().Inspect();
  EXPECT_EQ(state.clientWidth, box->width());
  const int top = state.IconPixelSize + state.TopMargin + 4;
  EXPECT_EQ(child->geometry(),
            autoSize ? QRect(0, top, box->width(), box->height() - top) : QRect(5, 50, 30, 20));
  // The widget shows the container's caption bar over its back colour.
  const QImage& image = box->Image();
  ASSERT_EQ(image.size(), box->size());
  const uint32_t bar = image.pixel(box->width() - 3, 3) & 0xFFFFFFu;
  const uint32_t body = image.pixel(box->width() - 3, box->height() - 3) & 0xFFFFFFu;
  EXPECT_NE(bar, body);
}

INSTANTIATE_TEST_SUITE_P(AutoSize, ContainerTest, Bool());

// Both widgets carry their control's properties by name, both ways.
TEST_F(QtBarTest, PropertiesByNameReachTheControlAndFollowIt) {
  auto* box = new NorvaleContainerWidget(form.get());
  struct Row {
    QWidget* widget;
    const char* name;
    QVariant set;
    std::function<QVariant()> controlValue;
    std::function<void()> changeInControl;
    QVariant changed;
  };
  const Row rows[] = {
      {bar.data(), "BarsToShow", 2, [&] { return QVariant(Control().BarsToShow()); },
       [&] { Control().SetBarsToShow(1); }, 1},
      {box, "Caption", "Notes",
       [&] { return QVariant(QString::fromStdString(box->container().Caption())); },
       [&] { box->container().SetCaption("Mail"); }, "Mail"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    row.widget->setProperty(row.name, row.set);
    EXPECT_EQ(row.controlValue().toString(), row.set.toString());
    row.changeInControl();
    EXPECT_EQ(row.widget->property(row.name).toString(), row.changed.toString());
  }
}

}  // namespace
}  // namespace wayband::qt::testing
