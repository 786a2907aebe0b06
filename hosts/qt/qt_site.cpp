#include "qt/qt_site.h"

#include <QCoreApplication>

#include "qt/qt_colors.h"
#include "qt/qt_dialog.h"
#include "qt/qt_windows.h"

namespace wayband::qt {

namespace {
// Identities of contained controls, unique in the process.
host::ControlIdentity g_nextIdentity = 1;
}  // namespace

QtSite::QtSite(ImageWidget& widget, SiteListener& listener, bool userMode)
    : widget_(widget),
      listener_(listener),
      userMode_(userMode),
      window_(QtWindows::Instance().Register(&widget)),
      font_(StdFontOf(widget.font())) {}

QtSite::~QtSite() = default;

std::shared_ptr<QtContainedControl> QtSite::Contain(QWidget* child) {
  for (const auto& contained : contained_) {
    if (contained->Widget() == child) return contained;
  }
  auto contained = std::make_shared<QtContainedControl>(g_nextIdentity++, child, &widget_);
  contained_.push_back(contained);
  return contained;
}

void QtSite::Resized() {
  for (const auto& strip : strips_)
    strip->Redock();
  if (callbacks_) callbacks_->Resize();
}

void QtSite::Shown() {
  if (callbacks_) callbacks_->Show();
}

std::shared_ptr<StdFont> QtSite::AmbientFont() const {
  // The form's font: the top-level window's.
  return StdFontOf(widget_.window()->font());
}

std::string QtSite::AmbientDisplayName() const {
  return widget_.objectName().toStdString();
}

void QtSite::SetFont(const std::shared_ptr<StdFont>& font) {
  if (font) *font_ = *font;
}

double QtSite::ScaleWidth() const {
  const double perPixel = TwipsPerPixelX();
  return host::TwipsToScale(widget_.width() * perPixel, scaleMode_, perPixel, false);
}

double QtSite::ScaleHeight() const {
  const double perPixel = TwipsPerPixelY();
  return host::TwipsToScale(widget_.height() * perPixel, scaleMode_, perPixel, true);
}

double QtSite::TwipsPerPixelX() const {
  return qt::TwipsPerPixelX(widget_);
}

double QtSite::TwipsPerPixelY() const {
  return qt::TwipsPerPixelY(widget_);
}

void QtSite::RaiseEvent(std::string_view name, int32_t, std::span<Variant>) {
  // The typed events carry the arguments to the widget's signals; this names the event.
  listener_.ControlEvent(name);
}

void QtSite::DoEvents() {
  QCoreApplication::processEvents();
}

std::vector<std::shared_ptr<host::ContainedControl>> QtSite::ContainedControls() const {
  std::vector<std::shared_ptr<host::ContainedControl>> contained;
  for (const auto& control : contained_) {
    if (control->hWnd() != host::kNoWindow && control->Container() == window_) {
      contained.push_back(control);
    }
  }
  return contained;
}

host::ParentObject QtSite::Parent() const {
  if (!widget_.parentWidget()) return {};
  // The widgets between the control and its window (splitters, layouts' widgets) only
  // arrange it: its parent object is the nearest control widget holding it, or else the
  // window, which is its form.
  QWidget* parent = widget_.parentWidget();
  while (!parent->isWindow() && !qobject_cast<ImageWidget*>(parent))
    parent = parent->parentWidget();
  const host::WindowHandle window = QtWindows::Instance().Register(parent);
  const auto kind =
      parent->isWindow() ? host::ParentObject::Kind::kForm : host::ParentObject::Kind::kControl;
  return {kind, window, parent->objectName().toStdString()};
}

host::ChildStrip* QtSite::CreateChildStrip(const host::StripDesign& design) {
  strips_.push_back(std::make_unique<QtStrip>(widget_, design));
  return strips_.back().get();
}

host::WindowSystem& QtSite::Windows() {
  return QtWindows::Instance();
}

void QtSite::ShowModal(host::ModalDialog& dialog) {
  RunModalDialog(dialog, &widget_);
}

}  // namespace wayband::qt
