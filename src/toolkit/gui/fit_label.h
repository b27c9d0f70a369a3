#pragma once
// A one-line label that shows its whole text: the font shrinks, down to a size that is still
// easy to read, until the text fits; a text that does not fit even then is cut with "..." and
// shown whole in the tool tip.
#include <QFont>
#include <QLabel>

namespace sl {

class FitLabel : public QLabel {
  Q_OBJECT

 public:
  static constexpr double kSmallestPoints = 7;

  explicit FitLabel(QWidget* parent = nullptr);

  void SetFittedText(const QString& text);
  // The text as given, before any shortening.
  QString FullText() const { return full_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Fit();

  QString full_;
  QFont base_;  // the font the label has when its text fits
};

}  // namespace sl
