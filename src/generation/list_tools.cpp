#include "generation/list_tools.h"

#include <vector>

#include "common/files.h"
#include "common/numbers.h"
#include "common/text_lines.h"

namespace sl {
namespace {

using Outcome = ListToolResult::Outcome;

ListToolResult Refused(std::string message, std::string outputPath = {}) {
  return {Outcome::Refused, std::move(message), std::move(outputPath)};
}

// Reads the source line by line, showing "source" and the count read when asked to.
enum class ReadResult { Read, Failed, Cancelled };
ReadResult ReadSource(const std::string& path, bool showCount, const ToolProgress& progress,
                      std::vector<std::string>& lines) {
  LineReader reader(path);
  if (!reader.IsOpen()) return ReadResult::Failed;
  std::string line;
  while (reader.Next(line)) {
    if (progress.Cancelled()) return ReadResult::Cancelled;
    lines.push_back(line);
    if (showCount && progress.Showing()) {
      progress.Show("source" + Str(static_cast<long long>(lines.size())));
    }
  }
  return reader.Failed() ? ReadResult::Failed : ReadResult::Read;
}

// The tool's transformation of the lines; nullopt when cancelled, a refusal in `refusal`.
std::optional<std::vector<std::string>> Transform(const ListToolRequest& request,
                                                  std::vector<std::string> lines,
                                                  const ToolProgress& progress,
                                                  std::string& refusal) {
  switch (request.tool) {
    case ListTool::Randomize:
      return ShuffleLines(std::move(lines), kShuffleKeys, *request.random);
    case ListTool::NoDupRandomize: {
      std::optional<std::vector<std::string>> kept = DropNeighbourRepeats(lines, progress);
      if (!kept) return std::nullopt;
      return ShuffleLines(std::move(*kept), kNoRepeatShuffleKeys, *request.random);
    }
    case ListTool::RemoveDup:
      return DropRepeats(lines, progress);
    case ListTool::Trim:
      return TrimLines(lines, progress);
    case ListTool::AddMeanIndex: {
      MeaningNumbered numbered = AddMeaningNumbers(lines, *request.meanings, *request.random, progress);
      if (numbered.cancelled) return std::nullopt;
      if (numbered.refusedLine > 0) {
        refusal = "Line " + std::to_string(numbered.refusedLine) + " of " + request.source + " has " +
                  std::to_string(numbered.refusedFields) + " words; a puzzle holds at most " +
                  std::to_string(kMaxWordFields) + ". Nothing was written.";
      }
      return std::move(numbered.lines);
    }
  }
  return std::nullopt;
}

std::string DoneMessage(ListTool tool, const std::string& outputPath) {
  switch (tool) {
    case ListTool::Randomize:
    case ListTool::AddMeanIndex:
      return outputPath + " done";
    case ListTool::NoDupRandomize:
      return outputPath + " randomized";
    case ListTool::RemoveDup:
    case ListTool::Trim:
      break;
  }
  return "done";
}

}  // namespace

std::string_view OutputEnding(ListTool tool) {
  switch (tool) {
    case ListTool::Randomize: return "-random.txt";
    case ListTool::NoDupRandomize: return "-noduprandom.txt";
    case ListTool::RemoveDup: return "nodups.txt";
    case ListTool::Trim: return "-withpn.txt";
    case ListTool::AddMeanIndex: return "-withmindex.txt";
  }
  return {};
}

std::optional<std::string> ToolOutputPath(const std::string& source, std::string_view ending) {
  const size_t nameStart = source.find_last_of("/\\");
  const size_t dot = source.rfind('.');
  if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart)) {
    return std::nullopt;
  }
  return source.substr(0, dot) + std::string(ending);
}

ListToolResult RunListTool(const ListToolRequest& request, const ToolProgress& progress) {
  if (request.source.empty()) return Refused("No file to work on is set. Nothing was written.");
  const std::optional<std::string> output = ToolOutputPath(request.source, OutputEnding(request.tool));
  if (!output) {
    return Refused("The name " + request.source +
                   " has no \".\", so no output name can be made from it. Nothing was written.");
  }
  if (!FileExists(request.source)) {
    return Refused("The file " + request.source + " is missing or empty. Nothing was written.",
                   *output);
  }
  const bool countWhileReading = request.tool == ListTool::Randomize ||
                                 request.tool == ListTool::NoDupRandomize;
  std::vector<std::string> lines;
  switch (ReadSource(request.source, countWhileReading, progress, lines)) {
    case ReadResult::Failed:
      return Refused("Error in reading " + request.source + ". Nothing was written.", *output);
    case ReadResult::Cancelled:
      return {Outcome::Cancelled, "", *output};
    case ReadResult::Read:
      break;
  }
  std::string refusal;
  std::optional<std::vector<std::string>> result =
      Transform(request, std::move(lines), progress, refusal);
  if (!result || progress.Cancelled()) return {Outcome::Cancelled, "", *output};
  if (!refusal.empty()) return Refused(refusal, *output);
  if (!WriteLinesReplacing(*output, *result)) {
    return Refused("Could not write " + *output + ". Nothing was written.", *output);
  }
  return {Outcome::Done, DoneMessage(request.tool, *output), *output};
}

}  // namespace sl
