#include "output/gui/print_dialog.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace sl {

clsPrintDialog::clsPrintDialog() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  if (QPrinterInfo::availablePrinterNames().isEmpty()) {
    printer_->setOutputFormat(QPrinter::PdfFormat);
  }
}

clsPrintDialog::~clsPrintDialog() = default;

QString clsPrintDialog::ShowPrinter(QWidget* parent) {
  QPrintDialog dialog(printer_.get(), parent);
  if (pages_.max() > 0) {
    dialog.setMinMax(pages_.min(), pages_.max());
    printer_->setFromTo(pages_.FromPage(), pages_.ToPage());
  }
  if (dialog.exec() != QDialog::Accepted) return QString();
  return PrinterName().toUpper();
}

QString clsPrintDialog::PrinterName() const {
  if (!PrintsToPdf()) return printer_->printerName();
  return QString::fromLatin1(QPrinterInfo::availablePrinterNames().isEmpty() ? kNoPrinterName
                                                                             : kPdfPrinterName);
}

bool clsPrintDialog::PrintsToPdf() const {
  return printer_->outputFormat() == QPrinter::PdfFormat;
}

bool clsPrintDialog::NeedsPdfName() const {
  return PrintsToPdf() && printer_->outputFileName().isEmpty();
}

}  // namespace sl
