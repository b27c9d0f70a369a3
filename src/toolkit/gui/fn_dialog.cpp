#include "toolkit/gui/fn_dialog.h"

#include <QFileDialog>
#include <QResizeEvent>

#include "common/files.h"
#include "toolkit/gui/twip_geometry.h"
#include "toolkit/file_dialog_request.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/native_path.h"

namespace sl {

FNDialog::FNDialog(QWidget* parent) : QWidget(parent), face_(new BoxControl(this)) {
  face_->SetCaption(QStringLiteral("..."));
  connect(face_, &BoxControl::MouseDown, this, &FNDialog::MouseDown);
  connect(face_, &BoxControl::MouseUp, this, &FNDialog::MouseUp);
  // A click is a left release over the face.
  connect(face_, &BoxControl::MouseUp, this, [this](int button, int, float x, float y) {
    const QPoint at(TwipsToPixelsX(*face_, static_cast<int>(x)),
                    TwipsToPixelsY(*face_, static_cast<int>(y)));
    if (button == kMouseLeft && face_->rect().contains(at)) Q_EMIT Click();
  });
}

QString FNDialog::Caption() const { return face_->Caption(); }

void FNDialog::SetCaption(const QString& caption) { face_->SetCaption(caption); }

void FNDialog::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  face_->setGeometry(rect());
}

QString FNDialog::GetFileName(const QString& mode) {
  const std::string remembered = CurrentFolder();
  const bool save = FileDialogModeOf(mode.toStdString()) == FileDialogMode::Save;
  const QString filter = QString::fromStdString(
      FileDialogFilter(fileTypesName_.toStdString(), fileTypes_.toStdString()));
  const QString folder = FromNativePath(FileDialogStartFolder(ToNativePath(defaultDir_)));

  QFileDialog dialog(window(), title_.toString(), folder, filter);
  if (save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  QString chosen;
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    chosen = dialog.selectedFiles().first();
  }
  // Browsing never moves the program's current folder.
  if (!remembered.empty()) SetCurrentFolder(remembered);
  return chosen;
}

}  // namespace sl
