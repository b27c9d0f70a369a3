#pragma once
// MsgForm: the game's own modal message box and input box, in the game's colours and font.
// One window, created on first use and reused by every call.
#include <QDialog>
#include <QPointer>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/colour.h"
#include "toolkit/msgbox_layout.h"

class QLabel;
class QLineEdit;

namespace sl {

class MsgButton;

class MsgForm : public QDialog {
  Q_OBJECT

 public:
  // The one message window, created on first use.
  static MsgForm& Instance();
  static bool Loaded();
  // Closes and destroys the window if it exists (the program is ending).
  static void Unload();
  // The start-up set-up: Arial 9 pt, not bold, black text, caption "Stacklinks"; the window
  // opens over the owner.
  static void SetUp(QWidget* owner);

  // Shows the message (Windows-1252) with the picture and buttons the style names and returns
  // the code of the button used (1 Ok, 2 Cancel, ... 6 Yes, 7 No; "vbnormal" gives 0). Asked
  // while the box is open, a one-button notice is shown after it (its one answer returned at
  // once) and a question is refused with 0; an input box asked then gives "".
  int32_t MsgboxA(const std::string& message, const std::string& style);
  // The same for a message that already is Unicode, such as one that names a path.
  int32_t MsgboxText(const QString& message, const std::string& style);
  // Shows the prompt and a field holding the default text, wholly selected; digitsOnly 1 lets
  // only the digits 0-9 be typed. Returns the field's text on "Enter", "" on "Cancel".
  std::string Inputbox(const std::string& prompt, const std::string& defaultText,
                       int32_t digitsOnly);

  // Appearance, copied into the label and the buttons at every call. A button colour of black
  // means none is set: the scheme's button colour is used instead.
  void SetBackColour(Colour colour) { backColour_ = colour; }
  void SetTextColour(Colour colour) { textColour_ = colour; }
  void SetButtonColour(Colour colour) { buttonColour_ = colour; }
  Colour ButtonColour() const { return buttonColour_; }
  void SetSchemeButtonColour(Colour colour) { schemeButtonColour_ = colour; }
  void SetFontName(const std::string& name) { fontName_ = name; }
  void SetFontSize(double points) { fontPoints_ = points; }
  void SetFontBold(bool bold) { fontBold_ = bold; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // The title bar's close box answers with the last button (No, Cancel, or the only Ok).
  void reject() override;

 private:
  explicit MsgForm(QWidget* parent = nullptr);

  void ApplyAppearance(bool inputField);
  void ApplyLayout(const MsgLayout& layout);
  void ApplyWindowSize();
  TextExtent MeasureLabel(const QString& text) const;
  void SetButton(int place, const QString& caption, const QString& tag);
  void ShowPicture(int place);
  void Act(int place);
  void MoveFocus(int place, int step);
  int32_t AskedWhileOpen(const QString& message, const std::string& style);
  void ShowQueuedLater();

  struct QueuedMessage {
    QString message;
    std::string style;
  };
  std::vector<QueuedMessage> queued_;

  QLabel* label_ = nullptr;
  QLineEdit* field_ = nullptr;
  std::array<MsgButton*, 3> buttons_{};
  std::array<QString, 3> tags_;
  std::array<QLabel*, 11> pictures_{};

  int32_t labelLeft_ = kMsgLabelLeft;
  int32_t lastButton_ = -1;
  int32_t numericResult_ = 0;
  std::string textResult_;
  QString defaultText_;
  int32_t outerWidth_ = 0;
  int32_t outerHeight_ = 0;

  Colour backColour_ = kButtonFace;
  Colour textColour_ = kBlack;
  Colour buttonColour_ = kBlack;
  Colour schemeButtonColour_ = kButtonFace;
  std::string fontName_ = "Arial";
  double fontPoints_ = 8.25;
  bool fontBold_ = false;

  static QPointer<MsgForm> instance_;
};

// The message box of the game: MsgForm::Instance().MsgboxA / Inputbox.
int32_t MsgboxA(const std::string& message, const std::string& style);
int32_t MsgboxText(const QString& message, const std::string& style);
std::string Inputbox(const std::string& prompt, const std::string& defaultText,
                     int32_t digitsOnly);

}  // namespace sl
