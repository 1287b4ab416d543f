// The Qt layer's tests run on Qt's offscreen platform: windows, menus and
// boxes are real, but nothing appears on a display and no X server is needed.

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <cstdlib>

#include "tests/support/private_home.h"

namespace {

QtMessageHandler qt_default_handler = nullptr;

// The offscreen platform says, for every window, which window-manager
// requests it cannot honour; the tests do not rely on them.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
    return;
  if (qt_default_handler) qt_default_handler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  // Before Qt starts: it reads the home and runtime folders once.
  lumigram::testing::PrivateHome home(argc > 0 ? argv[0] : nullptr);
  // Forced, so that a run from a desktop session does not pop windows up.
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qt_default_handler = qInstallMessageHandler(QuietHandler);
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
