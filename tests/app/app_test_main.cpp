// The shell's tests run on Qt's offscreen platform: windows and menus are
// real, but nothing appears on a display.

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <cstdlib>

namespace {

QtMessageHandler qt_default_handler = nullptr;

// The offscreen platform names, for every window, the requests it cannot
// honour; the tests do not rely on them.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
    return;
  if (qt_default_handler) qt_default_handler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qt_default_handler = qInstallMessageHandler(QuietHandler);
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
