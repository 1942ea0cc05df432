#include "probe_json.h"

#include <QJsonArray>
#include <QJsonValue>
#include <cmath>
#include <limits>
#include <type_traits>

#include "probe_fields.h"

namespace probe {

namespace {

template <typename T>
struct IsStdArray : std::false_type {};
template <typename T, std::size_t N>
struct IsStdArray<std::array<T, N>> : std::true_type {};

template <typename T>
struct IsFixedText : std::false_type {};
template <std::size_t N>
struct IsFixedText<engine::FixedText<N>> : std::true_type {};

template <typename T>
QJsonValue ToJson(const T& field) {
  if constexpr (IsStdArray<T>::value) {
    QJsonArray array;
    for (const auto& element : field) array.append(ToJson(element));
    return array;
  } else if constexpr (IsFixedText<T>::value) {
    return QString::fromStdString(field.str());
  } else if constexpr (std::is_same_v<T, std::string>) {
    return QString::fromStdString(field);
  } else if constexpr (std::is_floating_point_v<T>) {
    return static_cast<double>(field);
  } else {
    static_assert(std::is_integral_v<T>);
    return static_cast<qint64>(field);
  }
}

QString KindOf(const QJsonValue& value) {
  switch (value.type()) {
    case QJsonValue::Null:
      return "null";
    case QJsonValue::Bool:
      return "a boolean";
    case QJsonValue::Double:
      return "a number";
    case QJsonValue::String:
      return "a text";
    case QJsonValue::Array:
      return "an array";
    case QJsonValue::Object:
      return "an object";
    default:
      return "undefined";
  }
}

[[noreturn]] void Reject(const QString& where, const QString& expected, const QJsonValue& value) {
  throw InputError((where + ": expected " + expected + ", got " + KindOf(value)).toStdString());
}

template <typename T>
void FromJson(const QJsonValue& value, T& field, const QString& where) {
  if constexpr (IsStdArray<T>::value) {
    if (!value.isArray()) Reject(where, "an array", value);
    const QJsonArray array = value.toArray();
    if (static_cast<std::size_t>(array.size()) > field.size())
      throw InputError((where + ": at most " + QString::number(field.size()) + " elements").toStdString());
    for (qsizetype i = 0; i < array.size(); ++i) {
      // null leaves an element as it is, so a case can name only the ones it is about.
      if (array[i].isNull()) continue;
      FromJson(array[i], field[static_cast<std::size_t>(i)], where + "[" + QString::number(i) + "]");
    }
  } else if constexpr (IsFixedText<T>::value || std::is_same_v<T, std::string>) {
    if (!value.isString()) Reject(where, "a text", value);
    field = value.toString().toStdString();
  } else if constexpr (std::is_floating_point_v<T>) {
    if (!value.isDouble()) Reject(where, "a number", value);
    field = static_cast<T>(value.toDouble());
  } else {
    static_assert(std::is_integral_v<T>);
    field = static_cast<T>(
        ReadWholeNumber(value, std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), where));
  }
}

template <typename Record, typename Visitor>
QJsonObject RecordToJson(const Record& record, Visitor visitor) {
  QJsonObject object;
  visitor(record, [&](const char* name, const auto& field) { object.insert(name, ToJson(field)); });
  return object;
}

template <typename Record, typename Visitor>
void ApplyRecord(const QJsonObject& object, Record& record, Visitor visitor, const QString& where) {
  for (auto it = object.begin(); it != object.end(); ++it) {
    const QString key = it.key();
    bool known = false;
    visitor(record, [&](const char* name, auto& field) {
      if (known || key != QLatin1String(name)) return;
      known = true;
      FromJson(it.value(), field, where + "." + key);
    });
    if (!known) throw InputError(("unknown field " + where + "." + key).toStdString());
  }
}

}  // namespace

long long ReadWholeNumber(const QJsonValue& value, long long low, long long high, const QString& where) {
  if (!value.isDouble()) Reject(where, "a whole number", value);
  const double number = value.toDouble();
  if (std::floor(number) != number)
    throw InputError((where + ": expected a whole number, got " + QString::number(number)).toStdString());
  if (number < static_cast<double>(low) || number > static_cast<double>(high))
    throw InputError((where + ": " + QString::number(number) + " is outside " + QString::number(low) + ".." +
                      QString::number(high))
                         .toStdString());
  return static_cast<long long>(number);
}

QJsonObject DesignRecordToJson(const engine::DesignRecord& record) {
  return RecordToJson(record, [](const auto& r, auto&& visit) { VisitDesignRecord(r, visit); });
}

QJsonObject SupportDesignToJson(const engine::SupportDesign& support) {
  return RecordToJson(support, [](const auto& r, auto&& visit) { VisitSupportDesign(r, visit); });
}

QJsonObject WorkValuesToJson(const engine::DesignState& state) {
  return RecordToJson(state, [](const auto& s, auto&& visit) { VisitWorkValues(s, visit); });
}

void ApplyDesignRecord(const QJsonObject& object, engine::DesignRecord& record, const QString& where) {
  ApplyRecord(object, record, [](auto& r, auto&& visit) { VisitDesignRecord(r, visit); }, where);
}

void ApplySupportDesign(const QJsonObject& object, engine::SupportDesign& support, const QString& where) {
  ApplyRecord(object, support, [](auto& r, auto&& visit) { VisitSupportDesign(r, visit); }, where);
}

void ApplyDefaultValues(const QJsonObject& object, engine::DefaultValues& defaults, const QString& where) {
  ApplyRecord(object, defaults, [](auto& d, auto&& visit) { VisitDefaultValues(d, visit); }, where);
}

}  // namespace probe
