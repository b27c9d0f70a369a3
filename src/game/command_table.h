#pragma once
// What each command of the main window does while a longer job is going on: a creation (one
// puzzle or the CreateMulti batch), a list tool, a print run, or reading a chosen dictionary. One table decides for every
// command; no command decides for itself.
#include <cstddef>
#include <string>

namespace sl {

enum class GameCommand {
  Create,          // cmdcreate, mnucreate
  CreateMulti,     // Command18
  CancelCreation,  // Command16, Escape while creating
  LoadDictionary,  // cmdloadict, mnudict
  LoadPuzzleFile,  // Command9, mnuloadpuz
  Navigate,        // Command8, Command5, Command11
  SavePuzzle,      // mnusave
  Print,           // mnuprint
  CopyToClipboard, // mnucopy2clip
  Check,           // cmddone
  ShowSolution,    // cmdshowsol held down
  Reset,           // cmdreset, mnureset
  RefreshClues,    // command15
  SelectCell,      // the mouse over the grid, Home and the arrow keys
  TypeLetter,      // a letter, Delete or Escape on the grid
  StepSizeLabel,   // Label3
  EditOptions,     // mnucolsch
  ReapplyColours,  // Command2
  SaveOptions,     // mnusaveopts
  Help,            // mnuhelp
  About,           // mnuabout
  Exit,            // cmdexitx
  ListTool,        // Command17, Command1, Command19, Command3, Command14
  StopListTool,    // the running list tool's button, which reads "Stop"
  DrawGrid,        // Command4
};

inline constexpr size_t kGameCommandCount = static_cast<size_t>(GameCommand::DrawGrid) + 1;

enum class Activity { Idle, Creation, ListTool, PrintRun, DictionaryRead };

enum class Admission {
  Runs,     // now
  Waits,    // when the job has ended
  Refused,  // not at all; the status line says why unless the refusal is quiet
};

struct CommandRule {
  GameCommand command;
  const char* name;
  Admission duringCreation;
  Admission duringListTool;
  Admission duringPrintRun;
  Admission duringDictionaryRead;
  bool quietRefusal;  // pointer moves and keys are refused without a word
};

// Every command once, in the order of GameCommand.
const CommandRule* CommandRules(size_t& count);

Admission AdmissionOf(GameCommand command, Activity activity);
// The status text of a refusal during the job ("" for a quiet one).
std::string RefusalText(GameCommand command, Activity activity);

}  // namespace sl
