#pragma once
// The nine magnification options of a plot that draws deflections larger
// than life, one below the other, the smallest at the top.

#include <QLayout>
#include <array>
#include <functional>

class QRadioButton;
class QWidget;

namespace kolvane::ui {

using MagnificationButtons = std::array<QRadioButton*, 9>;

// optMagnification0..8 in `buttons`; `chosen` gets the option's number when
// one is checked.
QLayout* CreateMagnificationOptions(QWidget* owner, MagnificationButtons& buttons, std::function<void(int)> chosen);

}  // namespace kolvane::ui
