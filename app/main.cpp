// The creator program: the application object, the main window and the
// message loop.

#include <QApplication>
#include <memory>

#include "app/embedded_archives.h"
#include "app/main_toolbar.h"
#include "app/main_window.h"
#include "app/qt_editor_services.h"
#include "media/multi_timer.h"
#include "platform/gst/gst_sound_device.h"
#include "platform/qt/qt_card_platform.h"
#include "platform/qt/qt_gui_dispatcher.h"

int main(int argc, char** argv) {
  using namespace lumigram;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
  // The card window and the dialogs come and go; only CloseApplication ends.
  QApplication::setQuitOnLastWindowClosed(false);

  TQtGuiDispatcher dispatcher;
  int status = 0;
  {
    // The toolbar's 100 ms and 500 ms ticks.
    TMultiTimer multiTimer(dispatcher);
    TForm1 form(EmbeddedArchives());
    TQtCardPlatform platform(dispatcher, &form, [&dispatcher]() -> std::unique_ptr<TSoundDevice> {
      return std::make_unique<TGstSoundDevice>(dispatcher);
    });
    TQtEditorServices services;
    services.SetParent(&form);

    TStartOptions options;
    for (int i = 1; i < argc; ++i) options.Arguments.emplace_back(argv[i]);
    options.ProgramFile = platform.ProgramFile();
    options.Toolbar = CreatorToolbarFactory(multiTimer);
    status = form.FormCreate(platform, services, options) ? QApplication::exec() : 1;
    // The editor goes before the platform it was made on.
    form.FreeParts();
  }
  dispatcher.Shutdown();
  return status;
}
