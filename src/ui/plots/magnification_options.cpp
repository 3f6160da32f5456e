#include "ui/plots/magnification_options.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/plots/profile_plot.h"

namespace kolvane::ui {

QLayout* CreateMagnificationOptions(QWidget* owner, MagnificationButtons& buttons, std::function<void(int)> chosen) {
  auto* options = new QVBoxLayout;
  auto* group = new QButtonGroup(owner);
  for (std::size_t n = 0; n < buttons.size(); ++n) {
    auto* option = new QRadioButton(QString::fromUtf8(MagnificationCaptions()[n]));
    option->setObjectName(QString("optMagnification%1").arg(n));
    group->addButton(option, static_cast<int>(n));
    options->addWidget(option);
    buttons[n] = option;
  }
  QObject::connect(group, &QButtonGroup::idToggled, owner, [chosen = std::move(chosen)](int option, bool checked) {
    if (checked) chosen(option);
  });
  return options;
}

}  // namespace kolvane::ui
