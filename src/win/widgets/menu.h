#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tw::win {

class Control;
class Form;

// A key with its modifiers, as menu items show and accept it.
struct ShortCut {
  UINT key = 0;
  bool shift = false;
  bool ctrl = false;
  bool alt = false;

  bool Empty() const { return key == 0; }
  std::wstring Text() const;
  friend bool operator==(const ShortCut&, const ShortCut&) = default;
};

// The key combination being pressed now, read from the keyboard state.
ShortCut PressedShortCut(UINT virtualKey);

// A menu item as it was designed; its name is what settings keys and the
// copies in other menus are made from.
struct MenuItemDesign {
  const wchar_t* name;
  const wchar_t* caption;
  ShortCut key{};
  int tag = 0;
  UINT id = 0;  // 0: the form's next free one
};

// One item of a popup menu; a caption of "-" makes a separator. Check marks
// are set by the handlers only: no item checks itself when clicked.
class MenuItem {
 public:
  MenuItem(Form& owner, UINT id, std::wstring name, std::wstring caption);
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  // An id of 0 takes the form's next free one.
  MenuItem& Add(std::wstring name, std::wstring caption, ShortCut shortCut = {}, int tag = 0,
                UINT id = 0);
  MenuItem& Add(const MenuItemDesign& design) {
    return Add(design.name, design.caption, design.key, design.tag, design.id);
  }
  MenuItem& AddSeparator(std::wstring name) { return Add(std::move(name), L"-"); }

  const std::wstring& Name() const { return name_; }
  UINT Id() const { return id_; }
  const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }
  bool IsSeparator() const { return Caption == L"-"; }

  void Click() {
    if (OnClick) OnClick(*this);
  }

  MenuItem* Find(std::wstring_view name);
  MenuItem* FindById(UINT id);
  MenuItem* FindByShortCut(const ShortCut& shortCut);

  // Appends a copy of this item and, in order, of its children to `parent`:
  // the same id, caption, check mark, flags, key, Tag and handler, named
  // after this item with "_copy" appended.
  MenuItem& CloneInto(MenuItem& parent) const;

  // Appends a window-system menu built from this item's children.
  void AppendItemsTo(HMENU menu) const;

  std::wstring Caption;
  ShortCut Key;
  int Tag = 0;
  bool Checked = false;
  bool Enabled = true;
  bool Visible = true;
  std::function<void(MenuItem& sender)> OnClick;

 private:
  Form& owner_;
  UINT id_;
  std::wstring name_;
  MenuItem* parent_ = nullptr;
  std::vector<std::unique_ptr<MenuItem>> items_;
};

// A popup menu: a tree of items opened at a screen point. The window-system
// menu is built afresh at each opening, so the item tree is the one truth.
class PopupMenu {
 public:
  PopupMenu(Form& owner, std::wstring name);

  const std::wstring& Name() const { return name_; }
  MenuItem& Items() { return root_; }
  const MenuItem& Items() const { return root_; }
  // The control over which the menu was last opened.
  Control* PopupComponent() const { return popupComponent_; }

  // Opens the menu; `tracking` receives the menu's messages, the form by
  // default (the notification area's icon has a window of its own).
  void Show(Control& opener, POINT screen, HWND tracking = nullptr);

  // Runs before each opening, so that check marks can follow what they
  // show.
  std::function<void()> OnPopup;

 private:
  Form& owner_;
  std::wstring name_;
  MenuItem root_;
  Control* popupComponent_ = nullptr;
};

}  // namespace tw::win
