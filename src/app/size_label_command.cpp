#include "app/size_label_command.h"

#include "app/form1.h"
#include "common/numbers.h"
#include "puzzle/puzzle.h"
#include "toolkit/gui/click_label.h"

namespace sl {

std::string NextSizeLabelText(const std::string& text) {
  // The label only ever shows whole sizes; 64 bits so that the largest one still counts up.
  const int64_t next = int64_t{RoundHalfEven(Val(text))} + 1;
  return std::to_string(next == kMaxPuzzleSize + 1 ? kMinCreatedSize : next);
}

SizeLabelCommand::SizeLabelCommand(Form1& form) : form_(form) {
  connect(&form_.Label3(), &ClickLabel::MouseUp, this, [this] {
    form_.Run(GameCommand::StepSizeLabel, [this] {
      ClickLabel& label = form_.Label3();
      label.setText(QString::fromStdString(NextSizeLabelText(label.text().toStdString())));
    });
  });
}

}  // namespace sl
