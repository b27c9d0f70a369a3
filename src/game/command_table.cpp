#include "game/command_table.h"

#include <iterator>

namespace sl {
namespace {

constexpr Admission R = Admission::Runs;
constexpr Admission W = Admission::Waits;
constexpr Admission X = Admission::Refused;

// During a creation the grid shows the empty grid of the new size and the puzzle before it is
// kept aside: what reads or changes the puzzle waits until the creation has ended, so it acts on
// the puzzle then on screen. A list tool works on files of its own and leaves play alone, but
// only one job runs at a time. A print run shows the puzzle again when it ends, so what changes
// the puzzle waits for that.
constexpr CommandRule kRules[] = {
    //  command                       name               creation tool print quiet
    {GameCommand::Create,          "Create",            X, X, W, false},
    {GameCommand::CreateMulti,     "CreateMulti",       X, X, W, false},
    {GameCommand::CancelCreation,  "Cancel creation",   R, R, R, false},
    {GameCommand::LoadDictionary,  "Load a Dictionary", X, R, W, false},
    {GameCommand::LoadPuzzleFile,  "Load a Puzzle File", W, R, W, false},
    {GameCommand::Navigate,        "Next/Previous/Random", W, R, W, false},
    {GameCommand::SavePuzzle,      "Save",              W, R, W, false},
    {GameCommand::Print,           "Print",             W, W, X, false},
    {GameCommand::CopyToClipboard, "Copy to Clipboard", W, R, W, false},
    {GameCommand::Check,           "Check",             W, R, W, false},
    {GameCommand::ShowSolution,    "Show Solution",     X, R, X, true},
    {GameCommand::Reset,           "Reset",             W, R, W, false},
    {GameCommand::RefreshClues,    "Refresh clues",     W, R, W, false},
    {GameCommand::SelectCell,      "Select a cell",     X, R, X, true},
    {GameCommand::TypeLetter,      "Type a letter",     X, R, X, true},
    {GameCommand::StepSizeLabel,   "Puzzle size",       R, R, R, false},
    {GameCommand::EditOptions,     "Edit Options",      R, R, W, false},
    {GameCommand::ReapplyColours,  "Trigger SetCol",    R, R, W, false},
    {GameCommand::SaveOptions,     "Save Options",      R, R, R, false},
    {GameCommand::Help,            "Help",              R, R, R, false},
    {GameCommand::About,           "About",             R, R, R, false},
    {GameCommand::Exit,            "Exit",              R, R, W, false},
    {GameCommand::ListTool,        "List tool",         X, X, W, false},
    {GameCommand::StopListTool,    "Stop",              R, R, R, false},
    {GameCommand::DrawGrid,        "DrawGrid",          X, R, W, false},
};

static_assert(std::size(kRules) == kGameCommandCount, "one rule for every command");

const CommandRule& RuleOf(GameCommand command) { return kRules[static_cast<size_t>(command)]; }

}  // namespace

const CommandRule* CommandRules(size_t& count) {
  count = std::size(kRules);
  return kRules;
}

Admission AdmissionOf(GameCommand command, Activity activity) {
  const CommandRule& rule = RuleOf(command);
  switch (activity) {
    case Activity::Idle: return Admission::Runs;
    case Activity::Creation: return rule.duringCreation;
    case Activity::ListTool: return rule.duringListTool;
    case Activity::PrintRun: return rule.duringPrintRun;
  }
  return Admission::Runs;
}

std::string RefusalText(GameCommand command, Activity activity) {
  if (RuleOf(command).quietRefusal) return {};
  switch (activity) {
    case Activity::Creation: return "Wait: a puzzle is being created";
    case Activity::ListTool: return "Wait: a list tool is running";
    case Activity::PrintRun: return "Wait: puzzles are being printed";
    case Activity::Idle: break;
  }
  return {};
}

}  // namespace sl
