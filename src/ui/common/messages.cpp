#include "ui/common/messages.h"

#include <QMessageBox>
#include <QString>

#include "core/common/program_info.h"

namespace kolvane::ui {

namespace {

QMessageBox::StandardButton Show(QWidget* parent, QMessageBox::Icon icon, const std::string& caption,
                                 const std::string& text, QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) {
  // Messages of two lines are written with CR LF, which a message box would
  // show as a stray character before the line end.
  const QString shown = QString::fromStdString(text).replace("\r\n", "\n");
  QMessageBox box(icon, QString::fromStdString(caption), shown, buttons, parent);
  if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void MessageBoxes::Error(QWidget* parent, const std::string& text) {
  Show(parent, QMessageBox::Warning, "Error", text, QMessageBox::Ok);
}

bool MessageBoxes::Question(QWidget* parent, const std::string& text) {
  return Show(parent, QMessageBox::Warning, "Caution", text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool MessageBoxes::QuestionNoByDefault(QWidget* parent, const std::string& text) {
  return Show(parent, QMessageBox::Warning, "Caution", text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
         QMessageBox::Yes;
}

void MessageBoxes::Information(QWidget* parent, const std::string& text) {
  Show(parent, QMessageBox::Information, "Information", text, QMessageBox::Ok);
}

void MessageBoxes::Notice(QWidget* parent, const std::string& text) {
  Show(parent, QMessageBox::NoIcon, ProgramTitle(), text, QMessageBox::Ok);
}

}  // namespace kolvane::ui
