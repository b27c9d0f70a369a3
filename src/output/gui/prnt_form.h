#pragma once
// PrntForm, "Print Puzzles": what to print (the current puzzle or a range of the puzzle file),
// which file, and which printer. The window is kept between uses, so the range text and the
// chosen option stay; closing it with its close box asks for it to be unloaded.
#include <QDialog>
#include <QString>
#include <cstdint>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace sl {

class clsPrintDialog;

class PrntForm : public QDialog {
  Q_OBJECT

 public:
  explicit PrntForm(clsPrintDialog& printDialog, QWidget* parent = nullptr);

  QGroupBox& Frame1() { return *puzzles_; }      // "Puzzles"
  QRadioButton& Option1() { return *current_; }  // "Current Puzzle"
  QRadioButton& Option2() { return *range_; }    // "Range"
  QLineEdit& Text1() { return *rangeText_; }     // the range, "5-10"
  QLabel& Label1() { return *fileLabel_; }       // the puzzle file's path
  QGroupBox& Frame2() { return *printers_; }     // "Printers"
  QLabel& Label2() { return *printerLabel_; }    // the current printer
  QToolButton& Command3() { return *selectPrinter_; }
  QPushButton& Command1() { return *print_; }
  QPushButton& Command2() { return *cancel_; }

  // Shows the printer and the file, sets the tag to "X" and shows the window modally until the
  // player prints or cancels. puzzleCount is the number of puzzles in the file.
  void Ask(const QString& puzzleFile, int32_t puzzleCount);

  // The answer: "X" while open, "Y" to print, "" not to print.
  const QString& Tag() const { return tag_; }
  // The range handed back with "Y" when "Range" is chosen.
  int32_t First() const { return first_; }
  int32_t Last() const { return last_; }
  bool PrintsCurrentPuzzle() const;
  // True once the close box was used: the owner unloads the window.
  bool ClosedByBox() const { return closedByBox_; }

 protected:
  void reject() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Print();
  void SelectPrinter();

  clsPrintDialog& printDialog_;
  QGroupBox* puzzles_ = nullptr;
  QRadioButton* current_ = nullptr;
  QRadioButton* range_ = nullptr;
  QLineEdit* rangeText_ = nullptr;
  QLabel* fileLabel_ = nullptr;
  QGroupBox* printers_ = nullptr;
  QLabel* printerLabel_ = nullptr;
  QToolButton* selectPrinter_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* cancel_ = nullptr;

  QString tag_;
  int32_t puzzleCount_ = 0;
  int32_t first_ = 0;
  int32_t last_ = 0;
  bool closedByBox_ = false;
};

}  // namespace sl
