#pragma once
// Runs a shell command and captures what it prints.
#include <string>

namespace sl::test {

struct CommandResult {
  int exitCode = -1;
  std::string out;  // standard output
  std::string err;  // standard error
};

CommandResult RunCommand(const std::string& command);

// Quotes a word for the shell.
std::string ShellQuote(const std::string& word);

}  // namespace sl::test
