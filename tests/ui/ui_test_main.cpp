// The window tests' main: a headless application whose rendering does not
// depend on the machine (fixed font and 96 DPI), so text widths and therefore
// drawing positions are the same everywhere.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
  setenv("QT_FONT_DPI", "96", 1);
  QApplication app(argc, argv);
  // The windows keep settings (the folders opened last): never the user's own.
  QTemporaryDir settings;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  QApplication::setFont(QFont("Liberation Sans", 9));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
