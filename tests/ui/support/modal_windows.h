#pragma once
// A window shown with exec() runs its own event loop: tests act on it from a timer.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace kolvane::testing {

// Acts once on the first modal window named `objectName` opened while this lives.
class WhenModalOpens {
 public:
  WhenModalOpens(const QString& objectName, std::function<void(QWidget*)> act)
      : objectName_(objectName), act_(std::move(act)) {
    timer_.setInterval(1);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* window = QApplication::activeModalWidget();
      if (!window || window->objectName() != objectName_) return;
      timer_.stop();
      acted_ = true;
      act_(window);
    });
    timer_.start();
  }
  bool Acted() const { return acted_; }

 private:
  QString objectName_;
  std::function<void(QWidget*)> act_;
  QTimer timer_;
  bool acted_ = false;
};

template <typename Widget>
Widget* Find(QWidget* window, const QString& name) {
  auto* widget = window->findChild<Widget*>(name);
  EXPECT_NE(widget, nullptr) << name.toStdString();
  return widget;
}

}  // namespace kolvane::testing
