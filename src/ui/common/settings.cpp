#include "ui/common/settings.h"

#include <QByteArray>

#include "core/common/program_info.h"

namespace kolvane::ui {

QSettings UserSettings() {
  const QString product = QString::fromLatin1(kProductName);
  return QSettings(QSettings::IniFormat, QSettings::UserScope, product, product);
}

QString FolderSettingsGroup(const std::string& folder) {
  const QByteArray bytes(folder.data(), static_cast<qsizetype>(folder.size()));
  return QStringLiteral("Folders/") + QString::fromLatin1(bytes.toHex());
}

}  // namespace kolvane::ui
