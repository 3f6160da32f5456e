#pragma once
// What every plot window is: the picture in a titled frame that takes the
// room, the choices of what to draw, "&Save Picture" (the picture as
// "<name>.bmp" in the working folder), "&Export CSV" where the plot has a
// table, and "OK", which closes the window with exec() returning Accepted.
// A plot window adds its choices and its drawing; the layout, the buttons and
// the save are the same for all.

#include <QDialog>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "core/plots/canvas.h"
#include "ui/common/app_context.h"

class QBoxLayout;
class QComboBox;
class QScrollArea;
class QVBoxLayout;

namespace kolvane::ui {

class PlotPicture;

// Where the choices and the buttons stand: in a row under the picture, or in
// a column at its right.
enum class PlotControls { Below, Beside };

struct PlotWindowLayout {
  std::string PictureName;  // the saved bitmap's name without ".bmp"
  QString FrameTitle;
  QSize PictureSize;      // until the user resizes the window
  QSize SmallestPicture;  // below it the plot's fixed-size texts would run into each other
  PlotControls Controls = PlotControls::Below;
  std::function<void()> ExportCsv;  // offers "Export CSV" when set
};

class PlotDialog : public QDialog {
  Q_OBJECT

 public:
  const QImage& Picture() const;  // the drawing as shown and saved

 protected:
  PlotDialog(AppContext& context, PlotWindowLayout layout, QWidget* parent);

  AppContext& Context() const { return context_; }
  PlotPicture* PictureBox() const { return picture_; }

  // Draws at once, and again on every redraw or change of size.
  void SetDrawing(std::function<void(Canvas&)> drawing);
  void Redraw();

  // `field` after a label of `caption` that is its buddy, among the choices.
  void AddChoice(const QString& caption, QWidget* field);
  // A list of `items` with nothing chosen (the plot's frame alone until the
  // user picks); every choice redraws the picture.
  QComboBox* AddChoiceList(const char* name, const QString& caption, std::span<const char* const> items);
  void AddChoiceSpacing();
  void AddChoiceLayout(QLayout* layout);
  // The frame shows the picture inside `scroll` instead of alone.
  void ShowPictureIn(QScrollArea* scroll);

 private:
  void LayOut(const QString& frameTitle, PlotControls controls, std::function<void()> exportCsv);
  void SavePicture();  // cmdSave

  AppContext& context_;
  const std::string pictureName_;
  PlotPicture* picture_ = nullptr;
  QVBoxLayout* frameLayout_ = nullptr;
  QBoxLayout* choices_ = nullptr;
};

// The position chosen in `list`, or nothing while nothing is chosen.
std::optional<int> ChosenPosition(const QComboBox* list);

}  // namespace kolvane::ui
