#include "win/widgets/edit.h"

#include <optional>

#include "core/color/integer_text.h"
#include "win/platform/text.h"

namespace tw::win {

Edit::Edit(Form& owner, Control& parent, std::wstring name, const Design& design)
    : Control(owner, &parent, std::move(name)),
      text_(design.text),
      wheelMaximum_(design.wheelMaximum) {
  const DWORD style = WS_TABSTOP | ES_AUTOHSCROLL | (design.centered ? ES_CENTER : ES_LEFT);
  Create({L"EDIT", style, WS_EX_CLIENTEDGE, design.text, design.bounds});
  if (design.maxLength > 0)
    SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(design.maxLength), 0);
}

void Edit::SetText(const std::wstring& text) {
  if (text == text_) return;
  text_ = text;
  settingText_ = true;
  SetWindowTextW(Handle(), text.c_str());
  settingText_ = false;
  if (OnChange) OnChange(*this);
}

void Edit::SelectAll() { SendMessageW(Handle(), EM_SETSEL, 0, -1); }

void Edit::StepByWheel(bool up) {
  const std::optional<std::int32_t> number = ParseIntegerText(Narrow(text_));
  if (!number) return;
  if (up && *number <= wheelMaximum_ - 1) SetText(std::to_wstring(*number + 1));
  if (!up && *number >= 1) SetText(std::to_wstring(*number - 1));
}

void Edit::ReadTextFromWindow() {
  const int length = GetWindowTextLengthW(Handle());
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  GetWindowTextW(Handle(), text.data(), length + 1);
  text.resize(static_cast<size_t>(length));
  text_ = std::move(text);
}

bool Edit::HandleReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message != WM_COMMAND || HIWORD(wParam) != EN_CHANGE) return false;
  result = 0;
  if (settingText_) return true;  // SetText raises OnChange itself
  ReadTextFromWindow();
  if (OnChange) OnChange(*this);
  return true;
}

LRESULT Edit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CHAR && OnKeyPress) {
    auto key = static_cast<wchar_t>(wParam);
    OnKeyPress(*this, key);
    if (key == 0) return 0;
    wParam = key;
  } else if (message == WM_KILLFOCUS && OnExit) {
    const LRESULT result = Control::WindowProc(message, wParam, lParam);
    OnExit(*this);
    return result;
  }
  return Control::WindowProc(message, wParam, lParam);
}

}  // namespace tw::win
