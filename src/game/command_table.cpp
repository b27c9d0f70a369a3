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
// the puzzle waits for that. While a chosen dictionary is read, what starts a job or needs the
// dictionary waits for the new words; play goes on.
constexpr CommandRule kRules[] = {
    //  command                       name               creation tool print dictionary quiet
    {GameCommand::Create,          "Create",            X, X, W, W, false},
    {GameCommand::CreateMulti,     "CreateMulti",       X, X, W, W, false},
    {GameCommand::CancelCreation,  "Cancel creation",   R, R, R, R, false},
    {GameCommand::LoadDictionary,  "Load a Dictionary", X, R, W, X, false},
    {GameCommand::LoadPuzzleFile,  "Load a Puzzle File", W, R, W, R, false},
    {GameCommand::Navigate,        "Next/Previous/Random", W, R, W, R, false},
    {GameCommand::SavePuzzle,      "Save",              W, R, W, R, false},
    {GameCommand::Print,           "Print",             W, W, X, W, false},
    {GameCommand::CopyToClipboard, "Copy to Clipboard", W, R, W, R, false},
    {GameCommand::Check,           "Check",             W, R, W, R, false},
    {GameCommand::ShowSolution,    "Show Solution",     X, R, X, R, true},
    {GameCommand::Reset,           "Reset",             W, R, W, R, false},
    {GameCommand::RefreshClues,    "Refresh clues",     W, R, W, R, false},
    {GameCommand::SelectCell,      "Select a cell",     X, R, X, R, true},
    {GameCommand::TypeLetter,      "Type a letter",     X, R, X, R, true},
    {GameCommand::StepSizeLabel,   "Puzzle size",       R, R, R, R, false},
    {GameCommand::EditOptions,     "Edit Options",      R, R, W, R, false},
    {GameCommand::ReapplyColours,  "Trigger SetCol",    R, R, W, R, false},
    {GameCommand::SaveOptions,     "Save Options",      R, R, R, R, false},
    {GameCommand::Help,            "Help",              R, R, R, R, false},
    {GameCommand::About,           "About",             R, R, R, R, false},
    {GameCommand::Exit,            "Exit",              R, R, W, R, false},
    {GameCommand::ListTool,        "List tool",         X, X, W, W, false},
    {GameCommand::StopListTool,    "Stop",              R, R, R, R, false},
    {GameCommand::DrawGrid,        "DrawGrid",          X, R, W, R, false},
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
    case Activity::DictionaryRead: return rule.duringDictionaryRead;
  }
  return Admission::Runs;
}

std::string RefusalText(GameCommand command, Activity activity) {
  if (RuleOf(command).quietRefusal) return {};
  switch (activity) {
    case Activity::Creation: return "Wait: a puzzle is being created";
    case Activity::ListTool: return "Wait: a list tool is running";
    case Activity::PrintRun: return "Wait: puzzles are being printed";
    case Activity::DictionaryRead: return "Wait: a dictionary is being read";
    case Activity::Idle: break;
  }
  return {};
}

}  // namespace sl
