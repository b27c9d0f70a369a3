// stacklinks-tool shuffle, dedupe, trim and add-meanings: the game's maintenance tools on any
// file. The output lands beside the source under the same name the game's buttons give it, and
// the tool's final message goes to standard output.
#include <iostream>
#include <string>
#include <vector>

#include "cli/clue_source_factory.h"
#include "cli/command_registry.h"
#include "cli/options.h"
#include "common/random.h"
#include "generation/list_tools.h"
#include "generation/meanings.h"

namespace sl::cli {
namespace {

constexpr const char* kShuffleUsage = "shuffle --file FILE [--drop-repeats]";
constexpr const char* kDedupeUsage = "dedupe --file FILE";
constexpr const char* kTrimUsage = "trim --file FILE";
constexpr const char* kAddMeaningsUsage = "add-meanings --file FILE [--meanings FILE]";

int Report(const ListToolResult& result) {
  if (result.outcome != ListToolResult::Outcome::Done) return Failure(result.message);
  std::cout << result.message << "\n";
  return kExitOk;
}

// Parses --file (and the extra options), then runs the tool with a fresh random source.
int RunTool(const std::vector<std::string>& args, const char* usage,
            std::vector<OptionDef> defs, ListTool (*pick)(const Options&)) {
  defs.push_back({"file", true, true});
  std::string error;
  const std::optional<Options> options = ParseOptions(args, defs, error);
  if (!options) return UsageError(usage, error);
  if (options->Value("file").empty()) return UsageError(usage, "--file needs a file name");

  Random random;
  Meanings meanings;
  ListToolRequest request{pick(*options), options->Value("file"), &random, &meanings};
  if (request.tool == ListTool::AddMeanIndex) {
    const std::string meaningsFile = options->Value("meanings", DefaultMeaningsFile());
    if (!meanings.Read(meaningsFile)) {
      return Failure("cannot read the meanings file " + meaningsFile);
    }
  }
  return Report(RunListTool(request, ToolProgress{}));
}

int RunShuffle(const std::vector<std::string>& args) {
  return RunTool(args, kShuffleUsage, {{"drop-repeats", false, false}}, [](const Options& o) {
    return o.Has("drop-repeats") ? ListTool::NoDupRandomize : ListTool::Randomize;
  });
}

int RunDedupe(const std::vector<std::string>& args) {
  return RunTool(args, kDedupeUsage, {}, [](const Options&) { return ListTool::RemoveDup; });
}

int RunTrim(const std::vector<std::string>& args) {
  return RunTool(args, kTrimUsage, {}, [](const Options&) { return ListTool::Trim; });
}

int RunAddMeanings(const std::vector<std::string>& args) {
  return RunTool(args, kAddMeaningsUsage, {{"meanings", true, false}},
                 [](const Options&) { return ListTool::AddMeanIndex; });
}

constexpr const char* kListToolExitCodes =
    "0 output written, 1 refused (missing or empty source, a name without \".\", a file that "
    "cannot be read or written), nothing written, 2 usage error";

const bool kRegistered =
    RegisterCommand({"shuffle", kShuffleUsage, kListToolExitCodes, &RunShuffle}) &&
    RegisterCommand({"dedupe", kDedupeUsage, kListToolExitCodes, &RunDedupe}) &&
    RegisterCommand({"trim", kTrimUsage, kListToolExitCodes, &RunTrim}) &&
    RegisterCommand({"add-meanings", kAddMeaningsUsage,
                     "0 output written, 1 refused (as for shuffle, or a line with more than 12 "
                     "words, or a meanings file that cannot be read), nothing written, "
                     "2 usage error",
                     &RunAddMeanings});

}  // namespace
}  // namespace sl::cli
