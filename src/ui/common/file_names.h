#pragma once
// File names are bytes. A list shows each name decoded, and keeps its bytes
// beside it, so that choosing a name that is not valid UTF-8 (which would not
// survive a trip through QString) opens that very file.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QVariant>
#include <string>

namespace kolvane::ui {

// The item data role that holds a listed file name's bytes.
inline constexpr int kFileNameBytesRole = Qt::UserRole + 1;

inline QString ShownFileName(const std::string& name) { return QFile::decodeName(QByteArray::fromStdString(name)); }

inline QVariant FileNameBytes(const std::string& name) { return QByteArray::fromStdString(name); }

// The name of a listed item: its bytes, or the encoded text of an item that
// has none.
inline std::string ListedFileName(const QVariant& bytes, const QString& text) {
  return bytes.isValid() ? bytes.toByteArray().toStdString() : QFile::encodeName(text).toStdString();
}

}  // namespace kolvane::ui
