#pragma once
// clsPrintDialog: the system print dialog over the current printer. One object lives for the
// whole run; the printer the player picks in the dialog stays current until the game ends. On a
// machine without printers the current printer writes a PDF file.
#include <QString>
#include <memory>

#include "output/page_limits.h"

class QPrinter;
class QWidget;

namespace sl {

class clsPrintDialog {
 public:
  clsPrintDialog();
  ~clsPrintDialog();
  clsPrintDialog(const clsPrintDialog&) = delete;
  clsPrintDialog& operator=(const clsPrintDialog&) = delete;

  // min, FromPage, ToPage and max that the dialog opens with (all 0: no page range).
  PageLimits& Pages() { return pages_; }

  // Shows the system print dialog preset to the current printer. Returns the chosen printer's
  // name in upper case, or "" when the player cancels (nothing changes then).
  QString ShowPrinter(QWidget* parent = nullptr);

  QPrinter& Printer() { return *printer_; }
  // The current printer's name, or what stands for it when it writes a PDF file.
  QString PrinterName() const;
  // True when the current printer writes a PDF file: no printer is installed, or the player
  // chose a file in the dialog.
  bool PrintsToPdf() const;
  // True when the PDF file still has to be named (the dialog did not name one).
  bool NeedsPdfName() const;

 private:
  PageLimits pages_;
  std::unique_ptr<QPrinter> printer_;
};

// What the printer label shows when the current printer writes a PDF file.
inline constexpr const char* kPdfPrinterName = "PDF file";
inline constexpr const char* kNoPrinterName = "PDF file (no printer installed)";

}  // namespace sl
