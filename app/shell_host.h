#pragma once
// The seam between the main window and its toolbar. The main window makes
// the toolbar through a factory, places its widget under the menu bar and
// asks it to refresh its buttons; the toolbar reaches the window and the
// editor only through TShellHost.

#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace lumigram {

class TLumigramCreator;

class TShellHost {
 public:
  virtual TLumigramCreator& Editor() = 0;
  // Runs a command (busy state, error box) or asks a query (negative code,
  // shows nothing).
  virtual bool RunCommand(int code, const std::string& argument = {}) = 0;
  // Does what choosing the menu item of that name does; false for an
  // unknown name or while busy.
  virtual bool RunMenuItem(std::string_view name) = 0;
  virtual bool IsBusy() = 0;
  virtual void SetBusy(bool busy) = 0;
  virtual void UpdateCaption() = 0;
  // The toolbar's slow tick: makes sure the window is usable again.
  virtual void EnsureEnabled() = 0;

 protected:
  ~TShellHost() = default;
};

class TMainToolbar {
 public:
  virtual ~TMainToolbar() = default;
  // Parented to the main window, which places it under the menu bar.
  virtual QWidget* Widget() = 0;
  // Enables the buttons that depend on the editor's queries.
  virtual void RefreshButtons() = 0;
};

using TToolbarFactory =
    std::function<std::unique_ptr<TMainToolbar>(TShellHost& host, QWidget* parent)>;

}  // namespace lumigram
