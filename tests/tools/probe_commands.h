#pragma once
// The commands of the design probe. Each takes the arguments after its option
// and the three standard streams, and returns the process exit status.

#include <QJsonObject>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "engine/design_state.h"

namespace probe {

using Arguments = std::vector<std::string>;

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitUsage = 64;

// Runs the design that `text` describes as JSON and returns the state it
// leaves; throws InputError on input the probe cannot use.
engine::DesignState RunDesignText(const std::string& text);

// The state as the probe prints it: the records, DesignOpen and the work values.
QJsonObject StateToJson(const engine::DesignState& state);

// Reads one design as JSON from `in`, runs it and writes the whole state as
// JSON to `out`; malformed input gets a message on `err`.
int RunDesignCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err);

// Writes the two strut capacity charts as JSON.
int PrintChartsCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err);

struct Command {
  std::string_view option;  // empty: the command run without an option
  std::string_view usage;
  int (*run)(const Arguments&, std::istream&, std::ostream&, std::ostream&);
};

// Every command the probe knows, in the order the usage text lists them.
const std::vector<Command>& Commands();

}  // namespace probe
