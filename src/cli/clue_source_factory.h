#pragma once
// The clues the tool's subcommands look up, from a meanings file.
#include <memory>
#include <string>

#include "puzzle/show_puzzle.h"

namespace sl::cli {

// The meanings file of the game's data: beside the executable, or the installed one.
std::string DefaultMeaningsFile();

// A clue source reading the meanings file at path on first use; a file that cannot be read
// makes the show fail ("Error in reading puzzle").
std::unique_ptr<ClueSource> MakeClueSource(const std::string& meaningsPath);

}  // namespace sl::cli
