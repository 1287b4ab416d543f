#pragma once
// The main window's menu bar, built from the menu table. When a menu opens
// its items are enabled, checked and relabelled from the editor's queries
// through the host; choosing an item hands its row to the host.

#include <QMenuBar>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "app/menu_table.h"
#include "card/lumigram_info.h"

class QAction;
class QActionGroup;
class QMenu;

namespace lumigram {

// What the menus ask of the main window.
class TMenuHost {
 public:
  // Whether command code can run now (the query -code); shows nothing.
  virtual bool MenuQuery(int code) = 0;
  virtual const TLumigramInfo& MenuCardInfo() = 0;
  // The type of the sound on the clipboard ("MID", "WAV", ...).
  virtual std::string MenuSoundClipboardType() = 0;
  virtual bool MenuStayOnTop() = 0;
  virtual void MenuChosen(const TMenuRow& row) = 0;

 protected:
  ~TMenuHost() = default;
};

class TMainMenu {
 public:
  TMainMenu(QMenuBar& bar, TMenuHost& host);
  TMainMenu(const TMainMenu&) = delete;
  TMainMenu& operator=(const TMainMenu&) = delete;

  // The item's action (for a submenu, the action that opens it); nullptr
  // for an unknown name.
  QAction* Item(std::string_view name) const;
  QMenu* Menu(std::string_view name) const;
  // The caption as the table or the translation set it, with its "&".
  std::string Caption(std::string_view name) const;

  // Every caption but the separators through Translate, once at start-up.
  void TranslateMenu();
  // Works out the states of the items directly in the menu, as opening it does.
  void UpdateMenu(QMenu* menu);
  void SetTopMenusEnabled(bool enabled);
  bool TopMenusEnabled() const;

 private:
  struct TEntry {
    const TMenuRow* Row = nullptr;
    QAction* Action = nullptr;
    QMenu* Submenu = nullptr;
    QMenu* Parent = nullptr;
    std::string Caption;
    // The shortcut belongs to an earlier item: shown, but the key runs that one.
    bool ShortcutShownOnly = false;
  };

  void Build();
  void SetCaption(TEntry& entry, const std::string& caption);
  void UpdateEntry(TEntry& entry);
  bool Checked(const TMenuRow& row);
  const TEntry* Find(std::string_view name) const;

  QMenuBar& bar_;
  TMenuHost& host_;
  std::vector<TEntry> entries_;
  std::map<int, QActionGroup*> groups_;
};

}  // namespace lumigram
