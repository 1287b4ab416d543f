#include "app/main_toolbar.h"

#include "app/toolbar/creator_toolbar.h"
#include "app/toolbar/toolbar_widget.h"

namespace lumigram {

namespace {

class TCreatorMainToolbar final : public TMainToolbar {
 public:
  TCreatorMainToolbar(TMultiTimer& timer, TShellHost& host, QWidget* parent)
      : widget_(new TToolbarWidget(timer, parent)) {
    TCreatorToolbarEvents events;
    events.RunCommand = [&host](int code, const std::string& argument) {
      return host.RunCommand(code, argument);
    };
    events.SetBusy = [&host](bool busy) { host.SetBusy(busy); };
    events.ShowHelp = [&host] { host.RunMenuItem("Help2"); };
    events.UpdateCaption = [&host] { host.UpdateCaption(); };
    events.Tick = [&host] { host.EnsureEnabled(); };
    buttons_ = std::make_unique<TCreatorToolbar>(widget_->Toolbar(), host.Editor(),
                                                 TToolbarWidget::ScreenEvents(std::move(events)));
  }
  // The buttons let go of the toolbar before the widget goes with its parent.
  ~TCreatorMainToolbar() override { buttons_.reset(); }

  QWidget* Widget() override { return widget_; }
  void RefreshButtons() override { buttons_->RefreshEnabled(); }

 private:
  TToolbarWidget* widget_;  // owned by its parent window
  std::unique_ptr<TCreatorToolbar> buttons_;
};

}  // namespace

TToolbarFactory CreatorToolbarFactory(TMultiTimer& timer) {
  return [&timer](TShellHost& host, QWidget* parent) -> std::unique_ptr<TMainToolbar> {
    return std::make_unique<TCreatorMainToolbar>(timer, host, parent);
  };
}

}  // namespace lumigram
