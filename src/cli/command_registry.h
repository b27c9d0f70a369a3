#pragma once
// The subcommands of stacklinks-tool. Each subcommand lives in its own file and registers itself
// there, so adding one never touches the dispatcher.
#include <string>
#include <string_view>
#include <vector>

namespace sl::cli {

// Exit codes shared by every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitNotFound = 3;

// Runs the subcommand on the arguments that follow its name; returns the exit code.
using CommandHandler = int (*)(const std::vector<std::string>& args);

struct CommandInfo {
  std::string name;
  std::string usage;      // one line: "show --file FILE --number N [--meanings FILE]"
  std::string exitCodes;  // every code it returns: "0 done, 1 ..., 2 usage error"
  CommandHandler run = nullptr;
};

// Adds a subcommand; meant for a namespace-scope initialiser in the subcommand's file.
bool RegisterCommand(CommandInfo info);
// The subcommand of that name, or null.
const CommandInfo* FindCommand(std::string_view name);
// Every subcommand, sorted by name.
std::vector<CommandInfo> Commands();

}  // namespace sl::cli
