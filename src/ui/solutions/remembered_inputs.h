#pragma once
// What a solution window keeps of its inputs for the open column folder, in
// that folder's group of the user's settings: closing the window, by Escape
// too, loses none of them, and the next window on the folder opens with them.
// Diagrams are kept by their file names' bytes, lists by the text shown, and
// typed fields by their text, which goes back only through the field's own
// typing filter.

#include <QString>
#include <QVariant>
#include <string>

#include "core/common/workspace.h"

class QComboBox;
class QLineEdit;

namespace kolvane::ui {

class RememberedInputs {
 public:
  // `window` names the window's own part of the folder's group.
  RememberedInputs(const Workspace& workspace, const char* window);

  void Keep(const QString& key, const QVariant& value) const;
  QVariant Value(const QString& key) const;

  // A diagram name, by its bytes; empty when none is kept.
  void KeepName(const QString& key, const std::string& name) const;
  std::string Name(const QString& key) const;

  // The text a list shows: selects the kept text where the list has it.
  void KeepListText(const QString& key, const QComboBox* list) const;
  void RestoreListText(const QString& key, QComboBox* list) const;

  // A filtered field's text: restored only when its filter would let it be typed.
  void KeepField(const QString& key, const QLineEdit* box) const;
  void RestoreField(const QString& key, QLineEdit* box) const;

 private:
  QString group_;
};

}  // namespace kolvane::ui
