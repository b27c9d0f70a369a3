// stacklinks-tool: the game's batch work from the command line. Dispatches to the subcommand
// named by the first argument.
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_registry.h"

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage: stacklinks-tool COMMAND [OPTIONS]\ncommands:\n";
  for (const sl::cli::CommandInfo& info : sl::cli::Commands()) {
    out << "  " << info.usage << "\n      exit codes: " << info.exitCodes << "\n";
  }
  out << "stacklinks-tool help: this text (exit code 0); no or an unknown command: exit code 2\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    PrintUsage(std::cerr);
    return sl::cli::kExitUsage;
  }
  if (args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
    PrintUsage(std::cout);
    return sl::cli::kExitOk;
  }
  const sl::cli::CommandInfo* command = sl::cli::FindCommand(args[0]);
  if (!command) {
    std::cerr << "unknown command: " << args[0] << "\n";
    PrintUsage(std::cerr);
    return sl::cli::kExitUsage;
  }
  args.erase(args.begin());
  return command->run(args);
}
