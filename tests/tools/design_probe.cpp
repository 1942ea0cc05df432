// design-probe: a test tool that runs designs end to end without the user
// interface. See probe_commands.h for the commands.

#include <iostream>

#include "probe_commands.h"
#include "probe_print.h"
#include "probe_store.h"

int main(int argc, char** argv) {
  const std::string option = argc > 1 ? argv[1] : "";
  const probe::Arguments rest(argc > 2 ? argv + 2 : argv + argc, argv + argc);
  for (const probe::Command& command : probe::Commands())
    if (command.option == option) return command.run(rest, std::cin, std::cout, std::cerr);
  for (const probe::Command& command : probe::StoreCommands())
    if (command.option == option) return command.run(rest, std::cin, std::cout, std::cerr);
  for (const probe::Command& command : probe::PrintCommands())
    if (command.option == option) return command.run(rest, std::cin, std::cout, std::cerr);

  std::cerr << "design-probe: unknown option " << option << "\nUsage:\n";
  for (const probe::Command& command : probe::Commands()) std::cerr << "  " << command.usage << '\n';
  for (const probe::Command& command : probe::StoreCommands()) std::cerr << "  " << command.usage << '\n';
  for (const probe::Command& command : probe::PrintCommands()) std::cerr << "  " << command.usage << '\n';
  return probe::kExitUsage;
}
