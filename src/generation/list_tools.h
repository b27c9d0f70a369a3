#pragma once
// The maintenance tools as whole runs over a file: each reads a text file line by line and
// writes a transformed copy beside it, named after the source with a fixed ending. The output is
// written whole or not at all; a source that is missing, or whose name has no ".", gives a
// message and no output.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/random.h"
#include "generation/list_transforms.h"
#include "generation/meanings.h"

namespace sl {

enum class ListTool {
  Randomize,       // shuffle all lines: "-random.txt"
  NoDupRandomize,  // drop repeated neighbouring lines, then shuffle: "-noduprandom.txt"
  RemoveDup,       // drop every repeated line, keep the order: "nodups.txt"
  Trim,            // trim lines, drop blank ones: "-withpn.txt"
  AddMeanIndex,    // a meaning number for every word field: "-withmindex.txt"
};

// The source of the meaning-number button, in the current folder.
inline constexpr const char* kMeanIndexSource = "puz321decb.txt";

// The output file's ending: "-random.txt", "-noduprandom.txt", "nodups.txt", ...
std::string_view OutputEnding(ListTool tool);

// The source path up to its last "." followed by the ending. nullopt when the file name (the
// text after the last separator) has no ".".
std::optional<std::string> ToolOutputPath(const std::string& source, std::string_view ending);

struct ListToolResult {
  enum class Outcome { Done, Refused, Cancelled };
  Outcome outcome = Outcome::Refused;
  // Done: the tool's final message ("<output> done", "<output> randomized" or "done");
  // Refused: why nothing was written.
  std::string message;
  std::string outputPath;  // empty when no output name could be made
};

struct ListToolRequest {
  ListTool tool = ListTool::Randomize;
  std::string source;
  Random* random = nullptr;            // the shuffles and AddMeanIndex draw from it
  const Meanings* meanings = nullptr;  // AddMeanIndex: the meanings to number from
};

// Runs the tool on its source and writes its output, replacing an older one. Progress texts
// and cancelling go through progress; a cancelled run writes nothing.
ListToolResult RunListTool(const ListToolRequest& request, const ToolProgress& progress);

}  // namespace sl
