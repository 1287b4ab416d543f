#include "app/main_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <set>

#include "app/companion_tools.h"
#include "editor/command_codes.h"
#include "lang/translate.h"
#include "platform/qt/shown_text.h"
#include "util/text.h"

namespace lumigram {

namespace {

const TCompanionTool* ToolOf(const TMenuRow& row) {
  for (const TCompanionTool& tool : kCompanionTools)
    if (std::string_view(tool.Name) == row.Name) return &tool;
  return nullptr;
}

}  // namespace

TMainMenu::TMainMenu(QMenuBar& bar, TMenuHost& host) : bar_(bar), host_(host) {
  Build();
}

void TMainMenu::Build() {
  // The menu that holds the rows of each depth while walking the table.
  std::vector<QMenu*> open;
  std::set<std::string> bound;
  const auto rows = MainMenuRows();
  entries_.reserve(rows.size());
  for (const TMenuRow& row : rows) {
    open.resize(size_t(row.Depth));
    QMenu* parent = open.empty() ? nullptr : open.back();
    TEntry entry;
    entry.Row = &row;
    entry.Parent = parent;
    if (row.Action == TMenuAction::Submenu) {
      entry.Submenu = parent ? parent->addMenu(QString()) : bar_.addMenu(QString());
      entry.Submenu->setObjectName(QString::fromLatin1(row.Name));
      entry.Action = entry.Submenu->menuAction();
      QMenu* menu = entry.Submenu;
      QObject::connect(menu, &QMenu::aboutToShow, menu, [this, menu] { UpdateMenu(menu); });
      open.push_back(menu);
    } else if (row.Action == TMenuAction::Separator) {
      entry.Action = parent->addSeparator();
    } else {
      entry.Action = parent->addAction(QString());
      if (*row.Shortcut) {
        if (bound.insert(row.Shortcut).second)
          entry.Action->setShortcut(QKeySequence(QString::fromLatin1(row.Shortcut)));
        else
          entry.ShortcutShownOnly = true;
      }
      if (row.Check != TMenuCheck::None) entry.Action->setCheckable(true);
      if (row.RadioGroup) {
        QActionGroup*& group = groups_[row.RadioGroup];
        if (!group) {
          group = new QActionGroup(parent);
          group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        }
        group->addAction(entry.Action);
      }
      const TMenuRow* chosen = &row;
      QObject::connect(entry.Action, &QAction::triggered, entry.Action,
                       [this, chosen] { host_.MenuChosen(*chosen); });
    }
    entry.Action->setObjectName(QString::fromLatin1(row.Name));
    entries_.push_back(entry);
    SetCaption(entries_.back(), row.Caption);
  }
}

void TMainMenu::SetCaption(TEntry& entry, const std::string& caption) {
  if (entry.Row->Action == TMenuAction::Separator) return;
  entry.Caption = caption;
  QString text = ShownText(caption);
  if (entry.ShortcutShownOnly)
    text +=
        QLatin1Char('\t') +
        QKeySequence(QString::fromLatin1(entry.Row->Shortcut)).toString(QKeySequence::NativeText);
  if (entry.Action->text() != text) entry.Action->setText(text);
}

void TMainMenu::TranslateMenu() {
  for (TEntry& entry : entries_)
    if (entry.Row->Action != TMenuAction::Separator)
      SetCaption(entry, Translate(entry.Row->Caption));
}

const TMainMenu::TEntry* TMainMenu::Find(std::string_view name) const {
  for (const TEntry& entry : entries_)
    if (entry.Row->Action != TMenuAction::Separator && name == entry.Row->Name) return &entry;
  return nullptr;
}

QAction* TMainMenu::Item(std::string_view name) const {
  const TEntry* entry = Find(name);
  return entry ? entry->Action : nullptr;
}

QMenu* TMainMenu::Menu(std::string_view name) const {
  const TEntry* entry = Find(name);
  return entry ? entry->Submenu : nullptr;
}

std::string TMainMenu::Caption(std::string_view name) const {
  const TEntry* entry = Find(name);
  return entry ? entry->Caption : std::string();
}

bool TMainMenu::Checked(const TMenuRow& row) {
  const TLumigramInfo& info = host_.MenuCardInfo();
  switch (row.Check) {
    case TMenuCheck::None:
      return false;
    case TMenuCheck::OnTop:
      return host_.MenuStayOnTop();
    case TMenuCheck::Flash:
      return host_.MenuQuery(kFlashOn);
    case TMenuCheck::HasLink:
      return !info.Link.empty();
    case TMenuCheck::FrameSize:
      return IntToText(info.Frame.Size) == row.Argument;
    case TMenuCheck::FrameStyle:
      return info.Frame.Code == row.Argument;
    case TMenuCheck::HAlign:
      return IntToText(info.HAlign) == row.Argument;
    case TMenuCheck::VAlign:
      return IntToText(info.VAlign) == row.Argument;
  }
  return false;
}

void TMainMenu::UpdateEntry(TEntry& entry) {
  const TMenuRow& row = *entry.Row;
  if (row.Action == TMenuAction::Separator) return;
  bool enabled = true;
  if (row.Enable == TMenuEnable::Query) {
    enabled = host_.MenuQuery(row.EnableCode);
  } else if (row.Enable == TMenuEnable::Tool) {
    const TCompanionTool* tool = ToolOf(row);
    enabled = tool && CompanionToolPresent(*tool);
  }
  entry.Action->setEnabled(enabled);
  if (row.Check != TMenuCheck::None) entry.Action->setChecked(Checked(row));
  switch (row.Relabel) {
    case TMenuRelabel::None:
      break;
    case TMenuRelabel::SoundPaste: {
      std::string caption = TranslateLite("&Paste");
      if (enabled) caption += " [" + TranslateLite(host_.MenuSoundClipboardType()) + "]";
      if (caption != entry.Caption) SetCaption(entry, caption);
      break;
    }
    case TMenuRelabel::FrameSize: {
      const std::string caption =
          TranslateLite("S&ize") + " [" + IntToText(host_.MenuCardInfo().Frame.Size) + "]";
      if (caption != entry.Caption) SetCaption(entry, caption);
      break;
    }
  }
}

void TMainMenu::UpdateMenu(QMenu* menu) {
  for (TEntry& entry : entries_)
    if (entry.Parent == menu) UpdateEntry(entry);
}

void TMainMenu::SetTopMenusEnabled(bool enabled) {
  for (const char* name : kTopMenus)
    if (QAction* action = Item(name)) action->setEnabled(enabled);
}

bool TMainMenu::TopMenusEnabled() const {
  const QAction* file = Item(kTopMenus[0]);
  return file && file->isEnabled();
}

}  // namespace lumigram
