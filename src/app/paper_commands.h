#pragma once
// Paper and pictures: "Print" (mnuprint) prints the current puzzle or a range of the puzzle file
// through the print window, one sheet per page; "Copy to Clipboard" (mnucopy2clip) puts the sheet
// on the clipboard as a picture. Both draw from values, so the window is never redrawn mid-run.
#include <QObject>
#include <cstdint>
#include <memory>

namespace sl {

class Form1;
class PrntForm;
class clsPrintDialog;

inline constexpr const char* kPrintFailed = "Printing failed";

class PaperCommands : public QObject {
  Q_OBJECT

 public:
  // Creates the print dialog object, which lives as long as the window.
  explicit PaperCommands(Form1& form);
  ~PaperCommands() override;

  // Opens the print window and prints what the player chose.
  void Print();
  // Prints puzzles first to last of the puzzle file, then shows the puzzle that was current
  // again with its entries cleared and says how many puzzles were printed.
  void PrintRange(int32_t first, int32_t last);
  // The picture sheet of the current puzzle onto the clipboard.
  void CopyToClipboard();

  clsPrintDialog& PrintDialog() { return *printDialog_; }

 private:
  void AskAndPrint();
  // The print window's widgets take the scheme's colours by role.
  void RegisterColourRoles(PrntForm& window);

  Form1& form_;
  std::unique_ptr<clsPrintDialog> printDialog_;
  // The print window; null until first used, and again after its close box unloaded it.
  std::unique_ptr<PrntForm> printWindow_;
};

}  // namespace sl
