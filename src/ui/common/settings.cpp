#include "ui/common/settings.h"

#include <QByteArray>
#include <QStringList>

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

namespace {

QString BytesKey(const QString& key) { return key + QStringLiteral("Bytes"); }

}  // namespace

void StoreFolderList(const QString& key, const std::vector<std::string>& folders) {
  QStringList list;
  for (const std::string& folder : folders)
    list.append(QString::fromLatin1(QByteArray(folder.data(), static_cast<qsizetype>(folder.size())).toHex()));
  QSettings settings = UserSettings();
  settings.setValue(BytesKey(key), list);
  settings.remove(key);
}

std::vector<std::string> FolderList(const QString& key) {
  const QSettings settings = UserSettings();
  std::vector<std::string> folders;
  if (settings.contains(BytesKey(key))) {
    for (const QString& hex : settings.value(BytesKey(key)).toStringList())
      folders.push_back(QByteArray::fromHex(hex.toLatin1()).toStdString());
  } else {
    for (const QString& folder : settings.value(key).toStringList()) folders.push_back(folder.toStdString());
  }
  return folders;
}

}  // namespace kolvane::ui
