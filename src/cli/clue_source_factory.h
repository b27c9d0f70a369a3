#pragma once
// The clues the tool's subcommands look up, from a meanings file.
#include <memory>
#include <string>

#include "puzzle/show_puzzle.h"

namespace sl::cli {

// The meanings file beside the executable.
std::string DefaultMeaningsFile();

// A clue source reading the meanings file at path; null while the tool has no meanings reader
// (puzzles are then shown with empty clues).
std::unique_ptr<ClueSource> MakeClueSource(const std::string& meaningsPath);

}  // namespace sl::cli
