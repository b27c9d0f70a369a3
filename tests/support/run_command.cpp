#include "support/run_command.h"

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/temp_folder.h"

namespace sl::test {

std::string ShellQuote(const std::string& word) {
  std::string quoted = "'";
  for (char ch : word) quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
  return quoted + "'";
}

CommandResult RunCommand(const std::string& command) {
  TempFolder folder;
  const std::string outPath = folder.File("out");
  const std::string errPath = folder.File("err");
  const int status = std::system(
      (command + " >" + ShellQuote(outPath) + " 2>" + ShellQuote(errPath)).c_str());
  CommandResult result;
  if (status != -1 && WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  result.out = folder.Read("out");
  result.err = folder.Read("err");
  // Under `make sanitize` the tools run here are instrumented: a report of theirs fails the test
  // even where the test expects the command to fail.
  for (const char* report :
       {"ERROR: AddressSanitizer", "ERROR: LeakSanitizer", ": runtime error: "}) {
    if (result.err.find(report) != std::string::npos) {
      ADD_FAILURE() << command << "\n" << result.err;
    }
  }
  return result;
}

}  // namespace sl::test
