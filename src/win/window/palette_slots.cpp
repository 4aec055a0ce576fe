// The twelve palette slots and the palette files.
#include <windows.h>
#include <commdlg.h>

#include <algorithm>

#include "core/color/conversions.h"
#include "win/platform/ansi_codec.h"
#include "win/platform/clipboard.h"
#include "win/platform/files.h"
#include "win/platform/text.h"
#include "win/widgets/application.h"
#include "win/window/main_window.h"
#include "win/window/palette_file_io.h"

namespace tw::win {
namespace {

// A slot may hold any 32-bit value (a system color, "clNone"); as the
// current color it is resolved to RGB and kept to 24 bits, so the frame and
// the boxes always agree.
TColor AsCurrentColor(TColor slotColor) {
  return ColorToRGB(slotColor, DesktopSystemColor) & 0xFFFFFF;
}

// A palette file chosen in the open or save dialog; empty on cancel.
std::wstring AskPaletteFile(HWND owner, bool forSaving) {
  wchar_t file[MAX_PATH * 4] = {};
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = L"Tintwright Palette\0*.plt\0";
  dialog.lpstrFile = file;
  dialog.nMaxFile = MAX_PATH * 4;
  dialog.lpstrDefExt = L"plt";
  dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  const BOOL chosen = forSaving ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  return chosen ? std::wstring(file) : std::wstring();
}

}  // namespace

Panel& TfrmColorPick::SlotOfMenu() const {
  auto* slot = dynamic_cast<Panel*>(pupPalette->PopupComponent());
  return slot ? *slot : *mempan[0];
}

void TfrmColorPick::mempan1MouseDown(Panel& slot, MouseButton button) {
  if (button == MouseButton::Left) {
    setnewcolor();
    lastcolor = CurrentColor();
    pnlColor->SetColor(AsCurrentColor(slot.Color()));
    Application::Instance().ProcessMessages();
    SynchroniseControls(0);
  } else if (button == MouseButton::Middle) {
    StoreCurrentColor(slot);
  }
}

void TfrmColorPick::StoreCurrentColor(Panel& slot) {
  const TColor previous = slot.Color();
  slot.SetColor(CurrentColor());
  // Only a named palette can have changed since it was loaded or saved.
  if (slot.Color() != previous && !mpalette.empty()) mpalettechanged = true;
  lblpalettechanged->SetVisible(mpalettechanged);
}

void TfrmColorPick::mempan2MouseMove(Panel& slot) { slot.SetHint(getcolorstring(slot.Color())); }

void TfrmColorPick::RefreshSlotHints() {
  for (Panel* slot : mempan) mempan2MouseMove(*slot);
}

void TfrmColorPick::SaveColorHere1Click() { StoreCurrentColor(SlotOfMenu()); }

void TfrmColorPick::SetasBackground1Click() {
  SetCurrentColor(AsCurrentColor(SlotOfMenu().Color()), false);
}

void TfrmColorPick::SetasTextColor1Click() { pnlColor->SetFontColor(SlotOfMenu().Color()); }

void TfrmColorPick::Copy1Click() {
  CopyTextToClipboard(Handle(), getcolorstring(SlotOfMenu().Color()));
}

void TfrmColorPick::ShowPaletteName(const std::wstring& file) {
  mpalette = FileNameOf(file);
  lblPalettename->SetCaption(mpalette);
  mpalettechanged = false;
  lblpalettechanged->SetVisible(false);
}

void TfrmColorPick::btnLoadPaletteClick() {
  const std::wstring file = AskPaletteFile(Handle(), false);
  if (file.empty()) return;
  const Converted<std::vector<TColor>> colors = LoadPaletteFile(file, AnsiCodec());
  if (!colors.ok()) throw std::runtime_error(colors.error());
  // Slots after the last color the file gives keep theirs.
  const size_t count = std::min(colors.value().size(), mempan.size());
  for (size_t i = 0; i < count; ++i) mempan[i]->SetColor(colors.value()[i]);
  ShowPaletteName(file);
}

void TfrmColorPick::btnSavePaletteClick() {
  const std::wstring file = AskPaletteFile(Handle(), true);
  if (file.empty()) return;
  PaletteSlots slots;
  std::transform(mempan.begin(), mempan.end(), slots.begin(),
                 [](const Panel* slot) { return slot->Color(); });
  if (const std::optional<std::string> error = SavePaletteFile(file, slots))
    throw std::runtime_error(*error);
  ShowPaletteName(file);
}

void TfrmColorPick::CreatePaletteMenu() {
  pupPalette = &AddPopupMenu(L"pupPalette");
  MenuItem& items = pupPalette->Items();
  items.Add(L"SaveColorHere1", L"Save Color here").OnClick = [this](MenuItem&) {
    SaveColorHere1Click();
  };
  items.Add(L"SetasBackground1", L"Set as Background Color").OnClick = [this](MenuItem&) {
    SetasBackground1Click();
  };
  SetasTextColor1 = &items.Add(L"SetasTextColor1", L"Set as Text Color");
  SetasTextColor1->OnClick = [this](MenuItem&) { SetasTextColor1Click(); };
  items.Add(L"Copy1", L"Copy Color Description").OnClick = [this](MenuItem&) { Copy1Click(); };
  for (Panel* slot : mempan) {
    slot->Popup = pupPalette;
    slot->OnMouseDown = [this](Control& sender, const MouseEvent& event) {
      mempan1MouseDown(static_cast<Panel&>(sender), event.button);
    };
    slot->OnMouseMove = [this](Control& sender, const MouseEvent&) {
      mempan2MouseMove(static_cast<Panel&>(sender));
    };
    slot->OnDblClick = [this](Control&) { btnCopyClick(); };
  }
  btnLoadPalette->OnClick = [this](Button&) { btnLoadPaletteClick(); };
  btnSavePalette->OnClick = [this](Button&) { btnSavePaletteClick(); };
}

}  // namespace tw::win
