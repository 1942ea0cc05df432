#pragma once
// JSON forms of the design state for the design probe: every field under its
// record name, arrays over their whole index range from element 0, flags as
// the integers the records hold and texts as held (blank-padded).

#include <QJsonObject>
#include <QString>
#include <stdexcept>
#include <string>

#include "engine/design_state.h"

namespace probe {

// Input that the probe cannot use: malformed JSON, an unknown field name, a
// value of the wrong kind or out of its field's range.
class InputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

QJsonObject DesignRecordToJson(const engine::DesignRecord& record);
QJsonObject SupportDesignToJson(const engine::SupportDesign& support);
QJsonObject WorkValuesToJson(const engine::DesignState& state);

// Overwrite the fields that `object` names; `where` names the object in
// messages. Throws InputError on an unknown name or an unusable value.
void ApplyDesignRecord(const QJsonObject& object, engine::DesignRecord& record, const QString& where);
void ApplySupportDesign(const QJsonObject& object, engine::SupportDesign& support, const QString& where);
void ApplyDefaultValues(const QJsonObject& object, engine::DefaultValues& defaults, const QString& where);

// Reads a whole number that fits [low, high]; throws InputError otherwise.
long long ReadWholeNumber(const QJsonValue& value, long long low, long long high, const QString& where);

}  // namespace probe
