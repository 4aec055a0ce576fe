// The list of named colors: filling and sorting it, naming the current
// color, the closest named color, and drawing the items.
#include <windows.h>

#include "core/names/color_sort.h"
#include "win/platform/text.h"
#include "win/window/main_window.h"

namespace tw::win {
namespace {

constexpr int kHtmlColorCount = 139;
constexpr int kExtendedColorCount = 1417;
constexpr int kSwatchRight = 25;
constexpr int kTextIndent = 32;

struct SortItem {
  const wchar_t* name;
  const wchar_t* caption;
  int tag;
};

// The popup menu of the list, top to bottom; a null caption is a separator.
const SortItem kListMenu[] = {
    {L"N8", nullptr, 0},
    {L"SortbyName1", L"Sort by Name", SortByName},
    {L"N10", nullptr, 0},
    {L"SortbyHue1", L"Sort by Hue", SortByHue},
    {L"SortbySaturation1", L"Sort by Saturation", SortBySaturation},
    {L"SortbyValue1", L"Sort by Value", SortByValue},
    {L"N9", nullptr, 0},
    {L"SortbyRed1", L"Sort by Red", SortByRed},
    {L"SortbyGreen1", L"Sort by Green", SortByGreen},
    {L"SortbyBlue1", L"Sort by Blue", SortByBlue},
    {L"SortbyBrightness1", L"Sort by Brightness", SortByBrightness},
    {L"N12", nullptr, 0},
};

}  // namespace

void TfrmColorPick::CreateColorListMenu(MenuItem& main) {
  mnuClosestColor = &AddPopupMenu(L"mnuClosestColor");
  MenuItem& items = mnuClosestColor->Items();
  FindClosestColor1 = &items.Add(L"FindClosestColor1", L"Find Closest Color");
  FindClosestColor1->OnClick = [this](MenuItem&) { FindClosestColor1Click(); };
  for (const SortItem& item : kListMenu) {
    if (!item.caption) {
      items.AddSeparator(item.name);
      continue;
    }
    items.Add(item.name, item.caption, {}, item.tag).OnClick = [this](MenuItem& sender) {
      SortbyHue1Click(sender);
    };
  }
  Showonlyhtmlcolors = &items.Add(L"Showonlyhtmlcolors", L"Show only HTML Colors", {}, 8);
  Showonlyhtmlcolors->OnClick = [this](MenuItem&) { ShowonlyhtmlcolorsClick(); };
  cbxColors->Popup = mnuClosestColor;
  // The main menu (and so the tray) reaches the same commands.
  main.AddSeparator(L"N11");
  MenuItem& colorList = main.Add(L"ColorList1", L"Color List");
  for (const auto& item : items.Items()) item->CloneInto(colorList);
  cbxColors->OnChange = [this](ComboBox&) { cbxColorsChange(); };
  cbxColors->OnDrawItem = [this](ComboBox&, const DRAWITEMSTRUCT& item) {
    cbxColorsDrawItem(item);
  };
}

void TfrmColorPick::ShowonlyhtmlcolorsClick() {
  bHTMLList = !bHTMLList;
  Showonlyhtmlcolors->Checked = bHTMLList;
  if (MenuItem* copy = FindMenuItem(L"Showonlyhtmlcolors_copy")) copy->Checked = bHTMLList;
  colorcount = bHTMLList ? kHtmlColorCount : kExtendedColorCount;
  lblHTMLColor->SetCaption(bHTMLList ? L"HTML" : L"Names");
  SortbyHue1Click(*FindClosestColor1);
}

void TfrmColorPick::SortbyHue1Click(MenuItem& sender) {
  const int selected = cbxColors->ItemIndex();
  const std::optional<TColor> kept =
      selected >= 0 ? std::optional<TColor>(colorItems_[static_cast<size_t>(selected)].Value)
                    : std::nullopt;
  TRColorArray colors = FillColorArray(bHTMLList);
  colors.resize(std::min(colors.size(), static_cast<size_t>(colorcount)));
  SortColors(colors, sender.Tag);
  FindClosestColor1->Tag = sender.Tag;
  sortorder = sender.Tag;
  Setsortmenuitems(sender.Tag);
  std::vector<std::wstring> names;
  names.reserve(colors.size());
  for (const RColor& color : colors) names.push_back(Widen(color.Name));
  colorItems_ = std::move(colors);
  closestFinder_.reset();
  cbxColors->SetItems(std::move(names));
  if (!kept) return;
  // Values are distinct within a table: the same color, if the list has it.
  for (size_t i = 0; i < colorItems_.size(); ++i) {
    if (colorItems_[i].Value == *kept) cbxColors->SetItemIndex(static_cast<int>(i));
  }
}

void TfrmColorPick::Setsortmenuitems(int SortValue) {
  for (const SortItem& item : kListMenu) {
    if (!item.caption) continue;
    MenuItem* original = FindMenuItem(item.name);
    original->Checked = original->Tag == SortValue;
    if (MenuItem* copy = FindMenuItem(std::wstring(item.name) + L"_copy"))
      copy->Checked = original->Checked;
  }
}

void TfrmColorPick::findcolorname(TColor color) {
  const ExactName name = FindExactName(colorItems_, cbxColors->ItemIndex(), color);
  if (name.KeepsSelection) return;
  cbxColors->SetItemIndex(name.Index);
  cbxColors->SetHint(name.Index >= 0 ? Widen(colorItems_[static_cast<size_t>(name.Index)].Name)
                                     : L"");
}

void TfrmColorPick::FindClosestColor1Click() {
  if (colorItems_.empty()) return;
  if (!closestFinder_) closestFinder_.emplace(colorItems_);
  const int best = closestFinder_->Find(cbxColors->ItemIndex(), EditValue(*CurrencyEdit1),
                                        EditValue(*CurrencyEdit2), EditValue(*CurrencyEdit3));
  if (best < 0) return;
  cbxColors->SetItemIndex(best);
  cbxColorsChange();
}

void TfrmColorPick::cbxColorsChange() {
  const int selected = cbxColors->ItemIndex();
  if (selected < 0) return;  // nothing chosen, nothing to apply
  SetCurrentColor(colorItems_[static_cast<size_t>(selected)].Value, true);
}

void TfrmColorPick::cbxColorsDrawItem(const DRAWITEMSTRUCT& item) {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const COLORREF fill = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
  GdiObject<HBRUSH> background(CreateSolidBrush(fill));
  FillRect(item.hDC, &item.rcItem, background.Get());
  // The selection field of a list with nothing selected shows just that.
  if (item.itemID >= colorItems_.size()) return;
  const RColor& color = colorItems_[item.itemID];
  const RECT swatch{item.rcItem.left, item.rcItem.top + 1, kSwatchRight, item.rcItem.bottom - 1};
  GdiObject<HBRUSH> swatchBrush(CreateSolidBrush(ToColorRef(color.Value)));
  FillRect(item.hDC, &swatch, swatchBrush.Get());
  SetBkColor(item.hDC, fill);
  SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  const std::wstring name = Widen(color.Name);
  TextOutW(item.hDC, item.rcItem.left + kTextIndent, item.rcItem.top + 1, name.c_str(),
           static_cast<int>(name.size()));
}

}  // namespace tw::win
