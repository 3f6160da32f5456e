#include "ui/plots/plot_dialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "ui/common/named_button.h"
#include "ui/plots/csv_export.h"
#include "ui/plots/plot_picture.h"
#include "ui/plots/save_plot_picture.h"

namespace kolvane::ui {
namespace {

constexpr int kChoiceSpacing = 12;

}  // namespace

PlotDialog::PlotDialog(AppContext& context, PlotWindowLayout layout, QWidget* parent)
    : QDialog(parent), context_(context), pictureName_(std::move(layout.PictureName)) {
  picture_ = new PlotPicture(layout.PictureSize, layout.SmallestPicture);
  picture_->setObjectName("piC");
  LayOut(layout.FrameTitle, layout.Controls, std::move(layout.ExportCsv));
}

// Neither button is a default button: Return in the plot's fields must not
// close the window or save.
void PlotDialog::LayOut(const QString& frameTitle, PlotControls controls, std::function<void()> exportCsv) {
  auto* frame = new QGroupBox(frameTitle);
  frameLayout_ = new QVBoxLayout(frame);
  frameLayout_->addWidget(picture_);

  const bool below = controls == PlotControls::Below;
  auto* buttons = below ? static_cast<QBoxLayout*>(new QHBoxLayout) : new QVBoxLayout;
  choices_ = below ? static_cast<QBoxLayout*>(new QHBoxLayout) : new QVBoxLayout;
  buttons->addLayout(choices_);
  buttons->addStretch(1);
  QPushButton* save = NamedButton("cmdSave", "&Save Picture");
  buttons->addWidget(save);
  connect(save, &QPushButton::clicked, this, &PlotDialog::SavePicture);
  if (exportCsv) {
    QPushButton* exportButton = CreateExportCsvButton();
    buttons->addWidget(exportButton);
    connect(exportButton, &QPushButton::clicked, this, std::move(exportCsv));
  }
  QPushButton* ok = NamedButton("cmdOk", "OK");
  buttons->addWidget(ok);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  QBoxLayout* window = below ? static_cast<QBoxLayout*>(new QVBoxLayout(this)) : new QHBoxLayout(this);
  window->addWidget(frame, 1);
  window->addLayout(buttons);
}

const QImage& PlotDialog::Picture() const { return picture_->Image(); }

void PlotDialog::SetDrawing(std::function<void(Canvas&)> drawing) { picture_->SetDrawing(std::move(drawing)); }

void PlotDialog::Redraw() { picture_->Redraw(); }

void PlotDialog::AddChoice(const QString& caption, QWidget* field) {
  auto* label = new QLabel(caption);
  label->setBuddy(field);
  choices_->addWidget(label);
  choices_->addWidget(field);
}

QComboBox* PlotDialog::AddChoiceList(const char* name, const QString& caption, std::span<const char* const> items) {
  auto* list = new QComboBox;
  list->setObjectName(QString::fromLatin1(name));
  for (const char* item : items) list->addItem(QString::fromUtf8(item));
  list->setCurrentIndex(-1);
  AddChoice(caption, list);
  connect(list, &QComboBox::currentIndexChanged, picture_, &PlotPicture::Redraw);
  return list;
}

void PlotDialog::AddChoiceSpacing() { choices_->addSpacing(kChoiceSpacing); }

void PlotDialog::AddChoiceLayout(QLayout* layout) { choices_->addLayout(layout); }

void PlotDialog::ShowPictureIn(QScrollArea* scroll) {
  frameLayout_->replaceWidget(picture_, scroll);
  scroll->setWidget(picture_);
}

void PlotDialog::SavePicture() { SavePlotPicture(Picture(), pictureName_, context_, this); }

std::optional<int> ChosenPosition(const QComboBox* list) {
  const int index = list->currentIndex();
  return index >= 0 ? std::optional<int>(index) : std::nullopt;
}

}  // namespace kolvane::ui
