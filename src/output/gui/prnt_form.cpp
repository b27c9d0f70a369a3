#include "output/gui/prnt_form.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "output/gui/print_dialog.h"
#include "output/print_range.h"
#include "output/render/qpainter_surface.h"
#include "toolkit/gui/msg_form.h"
#include "toolkit/gui/msg_pictures.h"
#include "toolkit/gui/plain_frame.h"

namespace sl {
namespace {

constexpr int kPrinterPicture = 7;  // the message box's printer
constexpr int kIconPixels = 16;

template <class Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

PrntForm::PrntForm(clsPrintDialog& printDialog, QWidget* parent)
    : QDialog(parent), printDialog_(printDialog) {
  setObjectName(QStringLiteral("PrntForm"));
  setWindowTitle(QStringLiteral("Print Puzzles"));
  setModal(true);

  puzzles_ = Named(new PlainFrame(QStringLiteral("Puzzles"), this), "Frame1");
  current_ = Named(new QRadioButton(QStringLiteral("Current Puzzle"), puzzles_), "Option1");
  range_ = Named(new QRadioButton(QStringLiteral("Range"), puzzles_), "Option2");
  rangeText_ = Named(new QLineEdit(puzzles_), "Text1");
  rangeText_->setPlaceholderText(QStringLiteral("Enter range like 5-10"));
  rangeText_->setToolTip(QStringLiteral("Enter range like 5-10"));
  fileLabel_ = Named(new QLabel(puzzles_), "Label1");
  fileLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  current_->setChecked(true);
  // Typing a range chooses it.
  connect(rangeText_, &QLineEdit::textEdited, range_, [this] { range_->setChecked(true); });

  auto* rangeRow = new QHBoxLayout;
  rangeRow->addWidget(range_);
  rangeRow->addWidget(rangeText_, 1);
  auto* puzzlesLayout = new QVBoxLayout(puzzles_);
  puzzlesLayout->addWidget(current_);
  puzzlesLayout->addLayout(rangeRow);
  puzzlesLayout->addWidget(fileLabel_);

  printers_ = Named(new PlainFrame(QStringLiteral("Printers"), this), "Frame2");
  printerLabel_ = Named(new QLabel(printers_), "Label2");
  printerLabel_->setToolTip(QStringLiteral("Current printer"));
  selectPrinter_ = Named(new QToolButton(printers_), "Command3");
  selectPrinter_->setToolTip(QStringLiteral("Select a printer"));
  selectPrinter_->setIcon(QIcon(MsgPicture(kPrinterPicture, kIconPixels, devicePixelRatioF())));
  selectPrinter_->setIconSize(QSize(kIconPixels, kIconPixels));
  connect(selectPrinter_, &QToolButton::clicked, this, &PrntForm::SelectPrinter);
  auto* printersLayout = new QHBoxLayout(printers_);
  printersLayout->addWidget(printerLabel_, 1);
  printersLayout->addWidget(selectPrinter_);

  print_ = Named(new QPushButton(QStringLiteral("Print"), this), "Command1");
  cancel_ = Named(new QPushButton(QStringLiteral("Cancel"), this), "Command2");
  print_->setDefault(true);
  connect(print_, &QPushButton::clicked, this, &PrntForm::Print);
  connect(cancel_, &QPushButton::clicked, this, &PrntForm::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(print_);
  buttons->addWidget(cancel_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(puzzles_);
  layout->addWidget(printers_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  fileLabel_->setMinimumWidth(fontMetrics().averageCharWidth() * 44);
}

void PrntForm::Ask(const QString& puzzleFile, int32_t puzzleCount) {
  printerLabel_->setText(printDialog_.PrinterName());
  fileLabel_->setText(puzzleFile);
  fileLabel_->setToolTip(puzzleFile);
  puzzleCount_ = puzzleCount;
  closedByBox_ = false;
  tag_ = QStringLiteral("X");
  exec();
}

bool PrntForm::PrintsCurrentPuzzle() const { return current_->isChecked(); }

void PrntForm::Print() {
  if (range_->isChecked()) {
    const PrintRangeChoice choice = ParsePrintRange(ToCp1252(rangeText_->text()), puzzleCount_);
    if (!choice.error.empty()) {
      MsgboxA(choice.error, kRangeMessageStyle);
      return;
    }
    first_ = choice.first;
    last_ = choice.last;
  }
  tag_ = QStringLiteral("Y");
  accept();
}

void PrntForm::reject() {
  tag_.clear();
  QDialog::reject();
}

void PrntForm::closeEvent(QCloseEvent* event) {
  closedByBox_ = true;
  QDialog::closeEvent(event);
}

void PrntForm::SelectPrinter() {
  const QString name = printDialog_.ShowPrinter(this);
  if (name.isEmpty()) return;
  printerLabel_->setText(name);
  printerLabel_->setToolTip(name);
}

}  // namespace sl
