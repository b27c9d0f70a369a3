#include "game/game_controller.h"

#include <gtest/gtest.h>

#include "common/text_lines.h"
#include "support/generation_fixtures.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

constexpr Activity kJobs[] = {Activity::Creation, Activity::ListTool, Activity::PrintRun,
                              Activity::DictionaryRead};

TEST(CommandTable, EveryCommandHasItsRuleAndTheJobsKeepTheirPromises) {
  size_t count = 0;
  const CommandRule* rules = CommandRules(count);
  for (size_t i = 0; i < count; ++i) {
    const GameCommand command = rules[i].command;
    EXPECT_EQ(static_cast<size_t>(command), i) << rules[i].name;  // looked up by position
    EXPECT_EQ(AdmissionOf(command, Activity::Idle), Admission::Runs) << rules[i].name;
    for (const Activity job : kJobs) {
      // A refusal the player did not cause by a pointer move or a key says why.
      if (AdmissionOf(command, job) == Admission::Refused && !rules[i].quietRefusal) {
        EXPECT_NE(RefusalText(command, job), "") << rules[i].name;
      }
    }
  }
  // One job at a time; a cancel or a stop is always heard.
  for (const Activity job : kJobs) {
    for (const GameCommand start : {GameCommand::Create, GameCommand::CreateMulti,
                                    GameCommand::ListTool, GameCommand::Print}) {
      EXPECT_NE(AdmissionOf(start, job), Admission::Runs);
    }
    EXPECT_EQ(AdmissionOf(GameCommand::CancelCreation, job), Admission::Runs);
    EXPECT_EQ(AdmissionOf(GameCommand::StopListTool, job), Admission::Runs);
  }
  // The puzzle before a creation is kept aside until it ends: nothing may read or change it.
  for (const GameCommand play :
       {GameCommand::LoadPuzzleFile, GameCommand::Navigate, GameCommand::SavePuzzle,
        GameCommand::Check, GameCommand::ShowSolution, GameCommand::Reset,
        GameCommand::RefreshClues, GameCommand::SelectCell, GameCommand::TypeLetter}) {
    EXPECT_NE(AdmissionOf(play, Activity::Creation), Admission::Runs);
  }
  // Printing and copying wait for a creation and then act on its puzzle.
  EXPECT_EQ(AdmissionOf(GameCommand::Print, Activity::Creation), Admission::Waits);
  EXPECT_EQ(AdmissionOf(GameCommand::CopyToClipboard, Activity::Creation), Admission::Waits);
  EXPECT_EQ(RefusalText(GameCommand::TypeLetter, Activity::Creation), "");
}

TEST(CreationSize, NearestWholeSizeElseTwelve) {
  const std::pair<const char*, int32_t> cases[] = {
      {"8", 8}, {"10.4", 10}, {"7", 12}, {"13", 12}, {"size", 12}};
  for (const auto& [label, size] : cases) EXPECT_EQ(CreationSize(label), size) << label;
}

TEST(GameController, CommandsRunWaitInTurnOrAreRefused) {
  GameController game;
  std::vector<std::string> ran;
  auto log = [&ran](const char* what) { return [&ran, what] { ran.push_back(what); }; };

  game.Begin(Activity::Creation);
  EXPECT_EQ(game.Request(GameCommand::Check, log("check 1")).first, Admission::Waits);
  game.Request(GameCommand::Navigate, log("next"));
  game.Request(GameCommand::Check, log("check 2"));  // takes the place of the first
  EXPECT_EQ(game.Request(GameCommand::LoadDictionary, log("dictionary")),
            std::make_pair(Admission::Refused, std::string("Wait: a puzzle is being created")));
  game.Request(GameCommand::CancelCreation, log("cancel"));
  EXPECT_EQ(ran, std::vector<std::string>{"cancel"});
  game.End();
  EXPECT_EQ(ran, (std::vector<std::string>{"cancel", "check 2", "next"}));

  // A waiting command that starts a job of its own holds the rest back until that ends.
  ran.clear();
  game.Begin(Activity::PrintRun);
  game.Request(GameCommand::Create, [&] {
    ran.push_back("create");
    game.Begin(Activity::Creation);
  });
  game.Request(GameCommand::Reset, log("reset"));
  game.End();
  EXPECT_EQ(ran, std::vector<std::string>{"create"});
  EXPECT_EQ(game.Running(), Activity::Creation);
  game.End();
  EXPECT_EQ(ran, (std::vector<std::string>{"create", "reset"}));
  EXPECT_EQ(game.Waiting(), 0u);
}

// Clues that can never be read: no puzzle can be shown with them.
class LostClues final : public ClueSource {
 public:
  bool EnsureLoaded() override { return false; }
  void LookUpFirstClues(Puzzle&) override {}
};

constexpr const char* kTenWords =
    "10;030510;040608;030509;030609;020610;020410;020406;060810;030810;PROMISSORY,1;"
    "EXOTICALLY,1;TACTICALLY,1;MACHINABLE,1;ARCHANGELS,1;PRETENDERS,1;GROTESQUES,1;PROTESTING,1;"
    "CANVASSING,1;CONFIRMING,1;\r\n";

class CreationFlowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GameState& state = game.State();
    state.folders.workFolder = folder.Path() + "/";
    state.play.DictionaryFile =
        folder.Write("words.txt", test::WordFile(test::RandomWords(5, 400, 8, "BCDLMR")));
    puzzles = folder.Write("puzzles.txt", std::string(kTenWords) + "8;broken\r\n" + kTenWords);
    ASSERT_EQ(game.LoadPuzzleFile(puzzles).status, ShowStatus::Shown);
    state.puzzle.Entry[1][1] = "P";  // the player has typed a letter
  }
  GeneratedPuzzle Made() {
    PuzzleGenerator generator(test::RandomWords(5, 400, 8, "BCDLMR"), 8);
    Random random(3);
    GeneratedPuzzle made;
    EXPECT_EQ(generator.CreatePuzzle(random, std::atomic<bool>{false}, made),
              CreateOutcome::Created);
    return made;
  }

  test::TempFolder folder;
  GameController game;
  std::string puzzles;
};

TEST_F(CreationFlowTest, TheLabelSizeDecidesTheDictionaryAndTheKeptPuzzleComesBackWithItsEntries) {
  // The dictionary in memory has words of the shown size (none): the label's size counts.
  const CreationStart none = game.StartCreation("12");
  EXPECT_FALSE(none.started);
  EXPECT_EQ(game.Running(), Activity::Idle);
  EXPECT_EQ(game.State().puzzle.PuzzleSize, 10);

  for (const CreateOutcome outcome : {CreateOutcome::Cancelled, CreateOutcome::NoChain}) {
    const CreationStart start = game.StartCreation("8");
    ASSERT_TRUE(start.started);
    EXPECT_TRUE(start.sizeChanged);
    EXPECT_EQ(start.words.size(), 400u);
    EXPECT_TRUE(game.State().puzzle.Empty());  // the grid is the creation's meanwhile
    const CreationEnd end = game.FinishCreation(outcome, nullptr);
    EXPECT_EQ(end.result, outcome == CreateOutcome::NoChain ? CreationEnd::Result::NoChain
                                                            : CreationEnd::Result::Cancelled);
    EXPECT_TRUE(end.sizeChanged);
    const GameState& state = game.State();
    EXPECT_EQ(state.puzzle.Wlist.front(), "PROMISSORY");
    EXPECT_EQ(state.puzzle.Entry[1][1], "P");
    EXPECT_EQ(state.play.PuzzleFile, puzzles);
    EXPECT_EQ(state.play.PuzzleNumber, 1);
    EXPECT_EQ(state.play.PuzzleCount, 3);
    game.End();
  }
}

TEST_F(CreationFlowTest, ACreatedPuzzleIsPuzzleOneOfTheTemporaryFileEvenWhenItCannotBeReadBack) {
  const GeneratedPuzzle made = Made();
  for (const bool cluesLost : {false, true}) {
    if (cluesLost) game.State().clues = std::make_unique<LostClues>();
    ASSERT_TRUE(game.StartCreation("8").started);
    EXPECT_EQ(game.FinishCreation(CreateOutcome::Created, &made).result,
              CreationEnd::Result::Created);
    game.End();
    const GameState& state = game.State();
    EXPECT_EQ(state.puzzle.Wlist, made.words) << cluesLost;
    EXPECT_EQ(state.play.PuzzleFile, state.folders.TempPuzzleFile());
    EXPECT_EQ(state.play.PuzzleNumber, 1);
    EXPECT_EQ(state.play.PuzzleCount, 1);
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadLines(state.folders.TempPuzzleFile(), lines));
    EXPECT_EQ(lines.size(), 1u);
  }

  // No temporary file can be written: the puzzle before comes back.
  game.State().clues.reset();
  ASSERT_EQ(game.LoadPuzzleFile(puzzles).status, ShowStatus::Shown);
  game.State().folders.workFolder = folder.File("missing/");
  ASSERT_TRUE(game.StartCreation("8").started);
  EXPECT_EQ(game.FinishCreation(CreateOutcome::Created, &made).result,
            CreationEnd::Result::WriteFailed);
  EXPECT_EQ(game.State().play.PuzzleFile, puzzles);
  EXPECT_EQ(game.State().puzzle.Wlist.front(), "PROMISSORY");
}

}  // namespace
}  // namespace sl
