#include "ui/plots/save_plot_picture.h"

#include <QBuffer>
#include <QByteArray>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "core/common/text_file.h"
#include "core/plots/picture_file.h"

namespace kolvane::ui {
namespace {

WriteResult WriteBitmap(const QImage& picture, const std::string& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (picture.isNull() || !picture.save(&buffer, "BMP")) return {false, "the picture could not be encoded"};
  return WriteBytesAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace

bool SavePlotPicture(const QImage& picture, const std::string& baseName, const AppContext& context, QWidget* parent) {
  const std::string path = PicturePath(context.Workspace, baseName);
  std::error_code error;
  if (std::filesystem::exists(path, error) && !context.Messages->Question(parent, PictureOverwriteQuestion(baseName)))
    return false;

  const WriteResult written = WriteBitmap(picture, path);
  if (!written.Ok) {
    context.Messages->Error(parent, PictureNotSavedMessage(baseName, written.Reason));
    return false;
  }
  context.Messages->Information(parent, PictureSavedMessage(context.Workspace, baseName));
  return true;
}

}  // namespace kolvane::ui
