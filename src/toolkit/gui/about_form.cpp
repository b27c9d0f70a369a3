#include "toolkit/gui/about_form.h"

#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>

#include "options/colour_table.h"
#include "toolkit/gui/screen_colours.h"
#include "toolkit/gui/twip_geometry.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/program_icon.h"

namespace sl {
namespace {

constexpr int kClientWidth = 6150;
// The design's text, version label and button, with one text line more (the word data's sources)
// between the text and the row below it.
constexpr int kExtraLine = 240;
constexpr int kClientHeight = 2655 + kExtraLine;
constexpr int kBottomRowTop = 2310 + kExtraLine;

QFont DesignFont(const QStringList& families, double points, bool bold) {
  QFont font;
  font.setFamilies(families);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace

QStringList AboutLines() {
  const QDate released = QDate::fromString(QStringLiteral(STACKLINKS_RELEASE_DATE), Qt::ISODate);
  return {
      QString(),
      QStringLiteral("Stacklinks, released ") +
          QLocale::c().toString(released, QStringLiteral("d MMMM yyyy")),
      QStringLiteral("Contact: " STACKLINKS_CONTACT),
      QString(),
      QStringLiteral("Fill words across."),
      QStringLiteral("Three letters of each word are shared with the word below it."),
      QString(),
      QStringLiteral("Stacklinks is free to use and to distribute."),
      QStringLiteral("Neither the program nor the game concept may be used for commercial "
                     "purposes."),
      QStringLiteral("There are no warranties of any kind."),
      QString::fromLatin1(kWordDataSources),
  };
}

AboutForm::AboutForm(QWidget* parent)
    : QDialog(parent),
      text_(new QLabel(this)),
      image_(new IconView(this)),
      version_(new QLabel(QStringLiteral("Version " STACKLINKS_VERSION), this)),
      ok_(new BoxControl(this)) {
  setObjectName(QStringLiteral("AboutForm"));
  setWindowTitle(QStringLiteral("About Stacklinks"));
  setModal(true);
  setFont(DesignFont({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial")}, 8.25, true));
  setAutoFillBackground(true);

  text_->setObjectName(QStringLiteral("AboutText"));
  text_->setFont(DesignFont({QStringLiteral("Arial")}, 8.25, false));
  text_->setText(AboutLines().join(QLatin1Char('\n')));
  text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  text_->setWordWrap(true);
  text_->setContentsMargins(4, 0, 4, 0);
  text_->setAutoFillBackground(true);
  text_->installEventFilter(this);
  PlaceInTwips(*text_, 30, 30, 5505, 2220 + kExtraLine);

  image_->setObjectName(QStringLiteral("Image1"));
  PlaceInTwips(*image_, 5616, 96, 480, 432);

  version_->setObjectName(QStringLiteral("Label1"));
  version_->setAutoFillBackground(true);
  version_->setContentsMargins(4, 0, 4, 0);
  SetPaletteColour(*version_, {QPalette::WindowText}, ScreenColour(kMessageTextColour));
  PlaceInTwips(*version_, 30, kBottomRowTop, 5520, 315);

  ok_->setObjectName(QStringLiteral("aboutok"));
  ok_->SetCaption(QStringLiteral("OK"));
  ok_->SetFont(DesignFont({QStringLiteral("Arial")}, 7.5, false));
  ok_->SetForeColor(kMessageTextColour);
  PlaceInTwips(*ok_, 5616, kBottomRowTop, 480, 315);
  connect(ok_, &BoxControl::MouseUp, this, [this] { accept(); });

  setFixedSize(TwipsToPixelsX(*this, kClientWidth), TwipsToPixelsY(*this, kClientHeight));
}

void AboutForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();  // swallowed: nothing else sees it
    close();
    return;
  }
  QDialog::keyPressEvent(event);
}

void AboutForm::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Q_EMIT Activated();
}

void AboutForm::showEvent(QShowEvent* event) {
  // Colours are in place before the first paint, whenever the window system activates it.
  Q_EMIT Activated();
  QDialog::showEvent(event);
}

bool AboutForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text_ && event->type() == QEvent::MouseButtonPress) {
    close();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace sl
