#include "ui/solutions/remembered_inputs.h"

#include <QComboBox>
#include <QLineEdit>

#include "ui/common/settings.h"
#include "ui/controls/filtered_text_box.h"

namespace kolvane::ui {

RememberedInputs::RememberedInputs(const Workspace& workspace, const char* window)
    : group_(FolderSettingsGroup(workspace.Folder()) + "/" + QString::fromLatin1(window)) {}

void RememberedInputs::Keep(const QString& key, const QVariant& value) const {
  QSettings settings = UserSettings();
  settings.setValue(group_ + "/" + key, value);
}

QVariant RememberedInputs::Value(const QString& key) const { return UserSettings().value(group_ + "/" + key); }

void RememberedInputs::KeepName(const QString& key, const std::string& name) const {
  Keep(key, QByteArray::fromStdString(name));
}

std::string RememberedInputs::Name(const QString& key) const { return Value(key).toByteArray().toStdString(); }

void RememberedInputs::KeepListText(const QString& key, const QComboBox* list) const {
  Keep(key, list->currentIndex() < 0 ? QString() : list->currentText());
}

void RememberedInputs::RestoreListText(const QString& key, QComboBox* list) const {
  const QString text = Value(key).toString();
  if (text.isEmpty()) return;
  const int position = list->findText(text);
  if (position >= 0) list->setCurrentIndex(position);
}

void RememberedInputs::KeepField(const QString& key, const QLineEdit* box) const { Keep(key, box->text()); }

void RememberedInputs::RestoreField(const QString& key, QLineEdit* box) const {
  const QVariant kept = Value(key);
  if (!kept.isValid()) return;
  const QString text = kept.toString();
  const auto* filter = box->findChild<FilteredTextBox*>();
  if (filter && !text.isEmpty()) {
    const PasteResult typed = FilterPastedText(filter->Settings(), "", 0, 0, text.toStdString());
    if (!typed.Accepted() || QString::fromStdString(typed.Inserted) != text) return;
  }
  box->setText(text);
}

}  // namespace kolvane::ui
