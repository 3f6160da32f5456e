#pragma once
// A push button that tests find by name. It never becomes the dialog's
// default, so Return in a text box does not press it.

#include <QPushButton>
#include <QString>

namespace kolvane::ui {

inline QPushButton* NamedButton(const char* name, const QString& caption) {
  auto* button = new QPushButton(caption);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace kolvane::ui
