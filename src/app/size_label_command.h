#pragma once
// Clicking the size label Label3 steps the size for the next creation: 8, 9, ..., 12, 8.
#include <QObject>
#include <string>

namespace sl {

class Form1;

// The label's next text: its number plus one, where 13 becomes 8 (a smaller size that a shown
// puzzle put there counts up towards 8).
std::string NextSizeLabelText(const std::string& text);

class SizeLabelCommand : public QObject {
  Q_OBJECT

 public:
  explicit SizeLabelCommand(Form1& form);

 private:
  Form1& form_;
};

}  // namespace sl
