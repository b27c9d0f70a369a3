#include "app/paper_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <initializer_list>

#include "app/form1.h"
#include "game/paper_of_state.h"
#include "output/gui/clipboard.h"
#include "output/gui/print_dialog.h"
#include "output/gui/printing.h"
#include "output/gui/prnt_form.h"
#include "output/print_range.h"
#include "output/render/qpainter_surface.h"
#include "output/render/sheet_picture.h"
#include "puzzle/puzzle_file.h"
#include "toolkit/gui/msg_form.h"
#include "toolkit/gui/native_path.h"

namespace sl {
namespace {

// The reason comes from the file system or the print system, in the system's text (UTF-8),
// and may name a path.
QString PrintFailedText(const PrintOutcome& outcome) {
  const QString failed = FromCp1252(kPrintFailed);
  if (outcome.error.empty()) return failed;
  return failed + QStringLiteral(":\r\n") + QString::fromStdString(outcome.error);
}

}  // namespace

PaperCommands::PaperCommands(Form1& form)
    : form_(form), printDialog_(std::make_unique<clsPrintDialog>()) {
  const Form1Widgets& w = form_.Controls();
  connect(w.mnuprint, &QAction::triggered, this, [this] { Print(); });
  connect(w.mnucopy2clip, &QAction::triggered, this, [this] { CopyToClipboard(); });
}

PaperCommands::~PaperCommands() = default;

void PaperCommands::Print() {
  form_.Run(GameCommand::Print, [this] { AskAndPrint(); });
}

void PaperCommands::AskAndPrint() {
  const GameState& state = form_.State();
  const PlayState& play = state.play;
  if (!printWindow_) {
    printWindow_ = std::make_unique<PrntForm>(*printDialog_, &form_);
    RegisterColourRoles(*printWindow_);
  }
  PrntForm& window = *printWindow_;
  // The window takes the scheme's colours each time it opens.
  form_.Roles().PaintWindow(window, RoleColoursOf(state.appearance));
  window.Ask(FromNativePath(play.PuzzleFile), CountPuzzles(play.PuzzleFile));
  const bool print = window.Tag() == QStringLiteral("Y");
  const bool current = window.PrintsCurrentPuzzle();
  const int32_t first = current ? play.PuzzleNumber : window.First();
  const int32_t last = current ? play.PuzzleNumber : window.Last();
  if (window.ClosedByBox()) printWindow_.reset();
  QCoreApplication::processEvents();
  if (!print) return;
  PrintRange(first, last);
  QCoreApplication::processEvents();
}

void PaperCommands::RegisterColourRoles(PrntForm& window) {
  ColourRoles& roles = form_.Roles();
  for (QWidget* background : std::initializer_list<QWidget*>{
           &window, &window.Frame1(), &window.Frame2(), &window.Option1(), &window.Option2(),
           &window.Label1(), &window.Label2()}) {
    roles.Register(*background, ColourRole::Background);
  }
  for (QWidget* button : std::initializer_list<QWidget*>{&window.Text1(), &window.Command1(),
                                                         &window.Command2(), &window.Command3()}) {
    roles.Register(*button, ColourRole::Button);
  }
}

void PaperCommands::PrintRange(int32_t first, int32_t last) {
  GameState& state = form_.State();
  PlayState& play = state.play;
  const int32_t remembered = play.PuzzleNumber;
  const PrintJob job = PrintJobOf(state, first, last, CountPuzzles(play.PuzzleFile));

  form_.Controller().Begin(Activity::PrintRun);
  form_.SetBusyPointer(true);
  const PrinterRun run = PrintOnPrinter(*printDialog_, job, state.clues.get(), &form_);
  form_.SetBusyPointer(false);
  if (!run.declined) {
    form_.ShowPuzzle(play.PuzzleFile, remembered);
    if (run.outcome.failed) {
      MsgboxText(PrintFailedText(run.outcome), kRangeMessageStyle);
    } else {
      MsgboxA(PuzzlesPrintedText(run.outcome.printed), "vbinformation+vbok");
    }
    QCoreApplication::processEvents();
  }
  form_.Controller().End();
}

void PaperCommands::CopyToClipboard() {
  form_.Run(GameCommand::CopyToClipboard, [this] {
    CopyPictureToClipboard(SheetPicture(CurrentSheet(form_.State()), TwipsPerPixelX(form_),
                                        form_.devicePixelRatioF()));
  });
}

}  // namespace sl
