#include "toolkit/gui/msg_form.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <functional>

#include "toolkit/gui/twip_geometry.h"
#include "output/render/qpainter_surface.h"
#include "toolkit/gui/msg_pictures.h"
#include "toolkit/msgbox_style.h"

namespace sl {

// A button that never stays pressed: a release of any mouse button over it, or Enter while it
// has the focus, acts on it; Space, Escape and other characters are swallowed; the arrow keys
// move the focus to the neighbouring button.
class MsgButton : public QPushButton {
 public:
  using QPushButton::QPushButton;
  std::function<void()> onActivate;
  std::function<void(int step)> onArrow;

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    pressed_ |= event->button();
    event->accept();
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    bool wasPressed = pressed_.testFlag(event->button());
    pressed_ &= ~event->button();
    event->accept();
    if (wasPressed && rect().contains(event->position().toPoint()) && onActivate) onActivate();
  }
  void keyPressEvent(QKeyEvent* event) override {
    event->accept();
    switch (event->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        if (onActivate) onActivate();
        break;
      case Qt::Key_Left:
      case Qt::Key_Up:
        if (onArrow) onArrow(-1);
        break;
      case Qt::Key_Right:
      case Qt::Key_Down:
        if (onArrow) onArrow(1);
        break;
      default:
        break;
    }
  }
  void keyReleaseEvent(QKeyEvent* event) override { event->accept(); }
  void focusOutEvent(QFocusEvent* event) override {
    pressed_ = Qt::NoButton;
    QPushButton::focusOutEvent(event);
  }

 private:
  Qt::MouseButtons pressed_ = Qt::NoButton;
};

namespace {

constexpr const char* kTagEnter = "enter";
constexpr const char* kTagDefault = "default";
constexpr const char* kTagCancel = "cancel";

// Multi-line texts arrive with CR LF (or lone CR) line ends; the label breaks lines at LF.
QString LabelText(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

QString CssColour(const QColor& colour) { return colour.name(QColor::HexRgb); }

// Black or white, whichever reads better on the background.
QColor ContrastingText(const QColor& background) {
  return background.lightnessF() < 0.5 ? QColor(Qt::white) : QColor(Qt::black);
}

}  // namespace

QPointer<MsgForm> MsgForm::instance_;

MsgForm& MsgForm::Instance() {
  if (!instance_) instance_ = new MsgForm();
  return *instance_;
}

bool MsgForm::Loaded() { return !instance_.isNull(); }

void MsgForm::Unload() {
  if (!instance_) return;
  instance_->hide();
  delete instance_.data();
}

void MsgForm::SetUp(QWidget* owner) {
  MsgForm& form = Instance();
  if (owner != nullptr && form.parentWidget() != owner) form.setParent(owner, form.windowFlags());
  form.fontName_ = "Arial";
  form.fontPoints_ = 9;
  form.fontBold_ = false;
  form.textColour_ = kBlack;
  form.setWindowTitle(QStringLiteral("Stacklinks"));
}

MsgForm::MsgForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("MsgForm"));
  setWindowTitle(QStringLiteral("Message"));
  setWindowIcon(MsgWindowIcon());
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setModal(true);
  setAutoFillBackground(true);

  label_ = new QLabel(this);
  label_->setObjectName(QStringLiteral("Label1"));
  label_->setTextFormat(Qt::PlainText);
  label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  field_ = new QLineEdit(this);
  field_->setObjectName(QStringLiteral("Text1"));
  PlaceInTwips(*field_, 690, 1710, kInputFieldWidth, kInputFieldHeight);
  field_->hide();

  for (int i = 0; i < kMsgButtonPlaces; ++i) {
    MsgButton* button = new MsgButton(this);
    button->setObjectName(QStringLiteral("cmd%1").arg(i));
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    button->onActivate = [this, i] { Act(i); };
    button->onArrow = [this, i](int step) { MoveFocus(i, step); };
    button->hide();
    buttons_[i] = button;
  }
  // Tab order: the field, then the buttons from right to left.
  setTabOrder(field_, buttons_[2]);
  setTabOrder(buttons_[2], buttons_[1]);
  setTabOrder(buttons_[1], buttons_[0]);

  for (int i = 0; i < kMsgPicturePlaces; ++i) {
    QLabel* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("icons%1").arg(i));
    PlaceInTwips(*picture, kMsgPictureLeft, kMsgPictureTop, kMsgPictureSize, kMsgPictureSize);
    picture->hide();
    pictures_[i] = picture;
  }
}

void MsgForm::ApplyAppearance(bool inputField) {
  if (buttonColour_ == kBlack) buttonColour_ = schemeButtonColour_;
  const QPalette base = palette();

  QPalette window = base;
  window.setColor(QPalette::Window, ToQColor(backColour_, base));
  window.setColor(QPalette::WindowText, ToQColor(textColour_, base));
  setPalette(window);

  QFont labelFont(FromCp1252(fontName_));
  labelFont.setPointSizeF(fontPoints_ > 0 ? fontPoints_ : 8.25);
  labelFont.setBold(fontBold_);
  label_->setFont(labelFont);
  label_->setPalette(window);

  QFont buttonFont = labelFont;
  buttonFont.setPointSizeF(std::max(1.0, labelFont.pointSizeF() - 1));
  const QColor face = ToQColor(buttonColour_, base);
  const QColor text = ContrastingText(face);
  const QString css =
      QStringLiteral(
          "QPushButton { background-color: %1; color: %2; border: 2px outset %1; padding: 0; }"
          "QPushButton:focus { border: 2px solid %3; }")
          .arg(CssColour(face), CssColour(text), CssColour(face.darker(220)));
  for (MsgButton* button : buttons_) {
    button->setFont(buttonFont);
    button->setStyleSheet(css);
  }

  if (inputField) {
    QPalette fieldPalette = field_->palette();
    const QColor fieldFace = ToQColor(schemeButtonColour_, base);
    fieldPalette.setColor(QPalette::Base, fieldFace);
    fieldPalette.setColor(QPalette::Text, ContrastingText(fieldFace));
    field_->setPalette(fieldPalette);
    field_->setFont(labelFont);
  }
}

TextExtent MsgForm::MeasureLabel(const QString& text) const {
  const QFontMetricsF metrics(label_->font(), label_);
  const double twipsPerPixel = TwipsPerPixelX(*this);
  // The lines are split as UTF-8 bytes: line ends are single bytes there too.
  auto width = [&](const std::string& line) {
    const QString shown = QString::fromStdString(line);
    return static_cast<int32_t>(std::ceil(metrics.horizontalAdvance(shown) * twipsPerPixel));
  };
  int32_t lineHeight = static_cast<int32_t>(std::ceil(metrics.lineSpacing() * TwipsPerPixelY(*this)));
  return MeasureLines(text.toStdString(), width, lineHeight);
}

void MsgForm::SetButton(int place, const QString& caption, const QString& tag) {
  buttons_[place]->setText(caption);
  tags_[place] = tag;
}

void MsgForm::ShowPicture(int place) {
  if (place < 0 || place >= kMsgPicturePlaces) return;
  QLabel* picture = pictures_[place];
  picture->setPixmap(MsgPicture(place, picture->width(), devicePixelRatioF()));
  picture->show();
}

void MsgForm::ApplyLayout(const MsgLayout& layout) {
  // One or two pixels more than measured, so rounding to pixels never clips the last letter.
  PlaceInTwips(*label_, layout.labelLeft, layout.labelTop, layout.labelWidth + 30,
               layout.labelHeight);
  field_->setVisible(layout.fieldVisible);
  if (layout.fieldVisible) {
    PlaceInTwips(*field_, layout.fieldLeft, layout.fieldTop, kInputFieldWidth, kInputFieldHeight);
  }
  for (int i = 0; i < kMsgButtonPlaces; ++i) {
    MsgButton* button = buttons_[i];
    button->hide();
    button->setDown(false);
    if (i >= layout.visibleButtons) continue;
    PlaceInTwips(*button, layout.buttonLeft[i], layout.buttonTop, kMsgButtonWidth,
                 kMsgButtonHeight);
    button->show();
  }
  outerWidth_ = layout.windowWidth;
  outerHeight_ = layout.windowHeight;
  ApplyWindowSize();
}

void MsgForm::ApplyWindowSize() {
  // The layout gives the outer size; the frame the windowing system draws comes off it (none
  // is known before the window was first shown, and there is none offscreen).
  const QSize frame = frameGeometry().size() - geometry().size();
  const int width = TwipsToPixelsX(*this, outerWidth_) - frame.width();
  const int height = TwipsToPixelsY(*this, outerHeight_) - frame.height();
  setFixedSize(std::max(1, width), std::max(1, height));
}

int32_t MsgForm::MsgboxA(const std::string& message, const std::string& style) {
  return MsgboxText(FromCp1252(message), style);
}

int32_t MsgForm::MsgboxText(const QString& message, const std::string& style) {
  if (isVisible()) return AskedWhileOpen(message, style);
  field_->hide();
  ApplyAppearance(false);
  label_->setText(LabelText(message));

  const MsgStyle parsed = ParseMsgStyle(style);
  for (QLabel* picture : pictures_) picture->hide();
  for (int place : parsed.pictures) ShowPicture(place);
  lastButton_ = -1;
  for (const MsgButtonDef& button : parsed.buttons) {
    ++lastButton_;
    SetButton(lastButton_, QString::fromStdString(button.caption),
              QString::number(button.result));
  }
  ApplyLayout(LayoutMessage(labelLeft_, MeasureLabel(message), lastButton_));
  exec();
  const int32_t answer = numericResult_;
  ShowQueuedLater();
  return answer;
}

int32_t MsgForm::AskedWhileOpen(const QString& message, const std::string& style) {
  // The box is busy with another question and a nested wait would hold that one's caller. A
  // notice with one button has one answer: it is given now and the notice shown once the box is
  // free. A real question is refused (0, no button), never answered with another box's reply.
  const MsgStyle parsed = ParseMsgStyle(style);
  if (parsed.buttons.size() != 1) return 0;
  queued_.push_back({message, style});
  return parsed.buttons.front().result;
}

void MsgForm::ShowQueuedLater() {
  if (queued_.empty()) return;
  QTimer::singleShot(0, this, [this] {
    if (queued_.empty() || isVisible()) return;
    const QueuedMessage next = queued_.front();
    queued_.erase(queued_.begin());
    MsgboxText(next.message, next.style);
  });
}

std::string MsgForm::Inputbox(const std::string& prompt, const std::string& defaultText,
                              int32_t digitsOnly) {
  if (isVisible()) return "";  // refused, as Cancel answers: never another box's text
  defaultText_ = FromCp1252(defaultText);
  field_->setText(defaultText_);
  field_->setValidator(nullptr);
  if (digitsOnly == 1) {
    field_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]*")), field_));
  }
  ApplyAppearance(true);
  const QString shownPrompt = FromCp1252(prompt);
  label_->setText(LabelText(shownPrompt));

  for (QLabel* picture : pictures_) picture->hide();
  ShowPicture(kPictureQuestion);
  SetButton(0, QStringLiteral("Enter"), QString::fromLatin1(kTagEnter));
  SetButton(1, QStringLiteral("Default"), QString::fromLatin1(kTagDefault));
  SetButton(2, QStringLiteral("Cancel"), QString::fromLatin1(kTagCancel));
  lastButton_ = 2;

  labelLeft_ = kInputLabelLeft;  // stays there for later message boxes too
  ApplyLayout(LayoutInput(MeasureLabel(shownPrompt)));
  field_->selectAll();
  exec();
  const std::string answer = textResult_;
  ShowQueuedLater();
  return answer;
}

void MsgForm::Act(int place) {
  if (place < 0 || place >= kMsgButtonPlaces) return;
  buttons_[place]->setDown(false);
  const QString& tag = tags_[place];
  if (tag == QLatin1String(kTagDefault)) {
    field_->setText(defaultText_);
    field_->setFocus();
    return;
  }
  if (tag == QLatin1String(kTagEnter)) {
    textResult_ = ToCp1252(field_->text());
  } else if (tag == QLatin1String(kTagCancel)) {
    textResult_.clear();
  } else {
    numericResult_ = MsgTagResult(tag.toStdString());
  }
  done(QDialog::Accepted);
}

void MsgForm::MoveFocus(int place, int step) {
  for (int i = 1; i < kMsgButtonPlaces; ++i) {
    int next = ((place + step * i) % kMsgButtonPlaces + kMsgButtonPlaces) % kMsgButtonPlaces;
    if (buttons_[next]->isVisible()) {
      buttons_[next]->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

void MsgForm::keyPressEvent(QKeyEvent* event) {
  // Escape does not close the box, and Enter acts only on a focused button (handled there).
  switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      event->accept();
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

void MsgForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (field_->isVisibleTo(this)) {
    field_->setFocus(Qt::ActiveWindowFocusReason);
  } else {
    for (int i = kMsgButtonPlaces - 1; i >= 0; --i) {
      if (buttons_[i]->isVisibleTo(this)) {
        buttons_[i]->setFocus(Qt::ActiveWindowFocusReason);
        break;
      }
    }
  }
  // The frame is known once the window is on screen: take it off the outer size.
  QTimer::singleShot(0, this, [this] { ApplyWindowSize(); });
}

void MsgForm::reject() {
  if (lastButton_ >= 0 && lastButton_ < kMsgButtonPlaces &&
      tags_[lastButton_] != QLatin1String(kTagDefault)) {
    Act(lastButton_);
  }
}

int32_t MsgboxA(const std::string& message, const std::string& style) {
  return MsgForm::Instance().MsgboxA(message, style);
}

int32_t MsgboxText(const QString& message, const std::string& style) {
  return MsgForm::Instance().MsgboxText(message, style);
}

std::string Inputbox(const std::string& prompt, const std::string& defaultText,
                     int32_t digitsOnly) {
  return MsgForm::Instance().Inputbox(prompt, defaultText, digitsOnly);
}

}  // namespace sl
