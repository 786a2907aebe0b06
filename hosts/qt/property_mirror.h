// PropertyMirror: a control's properties as dynamic Qt properties of its widget, by their
// names (widget.setProperty("Caption", "Notes"), widget.property("BarsToShow")), for
// designers and scripting. Booleans, Integers, Longs, colours and strings are mirrored.
// Setting a widget property puts the value through the control; a value the control
// refuses gives way to the control's own. When the control reports a changed property,
// Copy brings the widget's copy up to date.
#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <string_view>

#include "wayband/interface_description.h"
#include "wayband/variant.h"

class QEvent;

namespace wayband::qt {

class PropertyMirror {
 public:
  using Getter = std::function<std::optional<Variant>(std::string_view name)>;
  using Putter = std::function<bool(std::string_view name, const Variant& value)>;

  PropertyMirror(QObject& object, const InterfaceDescription& members, Getter get, Putter put);

  // Copies the control's property `name` into the object (every property for an empty
  // name).
  void Copy(std::string_view name);
  // Handles a dynamic-property change of the object; true when `event` was one.
  bool HandleEvent(QEvent* event);

 private:
  QObject& object_;
  const InterfaceDescription& members_;
  Getter get_;
  Putter put_;
  bool copying_ = false;  // the object's own changes, made by Copy
};

}  // namespace wayband::qt
