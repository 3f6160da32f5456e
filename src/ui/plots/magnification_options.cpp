#include "ui/plots/magnification_options.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/plots/profile_plot.h"

namespace kolvane::ui {

QLayout* MagnificationChoice::Create(QWidget* owner, std::function<void()> changed) {
  auto* options = new QVBoxLayout;
  auto* group = new QButtonGroup(owner);
  for (std::size_t n = 0; n < buttons_.size(); ++n) {
    auto* option = new QRadioButton(QString::fromUtf8(MagnificationCaptions()[n]));
    option->setObjectName(QString("optMagnification%1").arg(n));
    group->addButton(option, static_cast<int>(n));
    options->addWidget(option);
    buttons_[n] = option;
  }
  QObject::connect(group, &QButtonGroup::idToggled, owner,
                   [this, changed = std::move(changed)](int option, bool checked) {
                     if (!checked) return;
                     factor_ = MagnificationFactor(option);
                     changed();
                   });
  return options;
}

void MagnificationChoice::Check(int option) { buttons_[static_cast<std::size_t>(option)]->setChecked(true); }

}  // namespace kolvane::ui
