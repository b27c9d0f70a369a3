#pragma once
// The file-name control: a face button, and GetFileName, which asks for a file through the
// standard open or save dialog. The host sets the title, file types and start folder first.
#include <QString>
#include <QVariant>
#include <QWidget>

#include "common/colour.h"

namespace sl {

class BoxControl;

class FNDialog : public QWidget {
  Q_OBJECT

 public:
  explicit FNDialog(QWidget* parent = nullptr);

  // Patterns separated by ";", e.g. "*.txt;*.dic".
  QString FileTypes() const { return fileTypes_; }
  void SetFileTypes(const QString& types) { fileTypes_ = types; }
  // The description shown before the patterns in the dialog's file-type list.
  QString FileTypesName() const { return fileTypesName_; }
  void SetFileTypesName(const QString& name) { fileTypesName_ = name; }
  // The dialog title; any value, shown as text (0 until set).
  QVariant title() const { return title_; }
  void SetTitle(const QVariant& title) { title_ = title; }
  // The folder every dialog opens in.
  QString DefaultDir() const { return defaultDir_; }
  void SetDefaultDir(const QString& folder) { defaultDir_ = folder; }

  QString Caption() const;
  void SetCaption(const QString& caption);
  Colour ForeColor() const { return foreColor_; }
  void SetForeColor(Colour colour) { foreColor_ = colour; }  // kept only; drawn nowhere
  BoxControl& Face() { return *face_; }

  // Shows the save dialog when mode is "SAVE" in any case, else the open dialog (whose file must
  // exist). Returns the chosen path, or "" when cancelled. Existing files are chosen for saving
  // without a question. The process's current folder is the same afterwards.
  QString GetFileName(const QString& mode = QString());

 Q_SIGNALS:
  void Click();
  void MouseDown(int button, int shift, float x, float y);
  void MouseUp(int button, int shift, float x, float y);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QString fileTypes_;
  QString fileTypesName_;
  QVariant title_{0};
  QString defaultDir_;
  Colour foreColor_ = 0;
  BoxControl* face_;
};

}  // namespace sl
