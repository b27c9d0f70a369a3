#include "cli/command_registry.h"

#include <algorithm>

namespace sl::cli {
namespace {

// Built on first use, so registrations from other files' initialisers find it ready.
std::vector<CommandInfo>& Registry() {
  static std::vector<CommandInfo> commands;
  return commands;
}

}  // namespace

bool RegisterCommand(CommandInfo info) {
  Registry().push_back(std::move(info));
  return true;
}

const CommandInfo* FindCommand(std::string_view name) {
  for (const CommandInfo& info : Registry()) {
    if (info.name == name) return &info;
  }
  return nullptr;
}

std::vector<CommandInfo> Commands() {
  std::vector<CommandInfo> sorted = Registry();
  std::sort(sorted.begin(), sorted.end(),
            [](const CommandInfo& a, const CommandInfo& b) { return a.name < b.name; });
  return sorted;
}

}  // namespace sl::cli
