#include "qt/property_mirror.h"

#include <QDynamicPropertyChangeEvent>
#include <QVariant>
#include <string>

namespace wayband::qt {

namespace {

bool Mirrored(AutomationType type) {
  switch (type) {
    case AutomationType::kBoolean:
    case AutomationType::kInteger:
    case AutomationType::kLong:
    case AutomationType::kOleColor:
    case AutomationType::kString:
      return true;
    default:
      return false;
  }
}

QVariant QVariantOf(const Variant& value) {
  switch (value.Type()) {
    case VariantType::kBoolean:
      return *value.ToBoolean();
    case VariantType::kInteger:
    case VariantType::kLong:
      return *value.ToLong();
    case VariantType::kColor:
      return static_cast<uint>(*value.ToColor());
    case VariantType::kDouble:
      return *value.ToDouble();
    case VariantType::kString:
      return QString::fromStdString(*value.ToText());
    default:
      return {};
  }
}

Variant VariantOf(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::Bool:
      return Variant(value.toBool());
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::LongLong:
      return Variant(static_cast<int32_t>(value.toLongLong()));
    case QMetaType::UInt:
    case QMetaType::ULongLong:
      return Variant(static_cast<uint32_t>(value.toULongLong()));
    case QMetaType::Double:
    case QMetaType::Float:
      return Variant(value.toDouble());
    default:
      return Variant(value.toString().toStdString());
  }
}

}  // namespace

PropertyMirror::PropertyMirror(QObject& object, const InterfaceDescription& members, Getter get,
                               Putter put)
    : object_(object), members_(members), get_(std::move(get)), put_(std::move(put)) {}

void PropertyMirror::Copy(std::string_view name) {
  copying_ = true;
  for (const MemberDescription& member : members_.members) {
    if (member.kind != MemberKind::kProperty || !member.canGet || !Mirrored(member.type)) continue;
    if (!name.empty() && members_.Find(name) != &member) continue;
    if (const auto value = get_(member.name)) {
      object_.setProperty(std::string(member.name).c_str(), QVariantOf(*value));
    }
  }
  copying_ = false;
}

bool PropertyMirror::HandleEvent(QEvent* event) {
  if (event->type() != QEvent::DynamicPropertyChange) return false;
  if (copying_) return true;
  const QByteArray name = static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName();
  const QVariant value = object_.property(name.constData());
  if (!value.isValid() || !put_(name.toStdString(), VariantOf(value))) Copy(name.toStdString());
  return true;
}

}  // namespace wayband::qt
