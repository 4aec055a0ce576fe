#include "test_support.h"

#include <fstream>
#include <sstream>

namespace tw::test {
namespace {

constexpr int kMessageBoxTextId = 0xFFFF;  // the static text of a message box

std::filesystem::path TestProgramFolder() {
  wchar_t path[MAX_PATH * 4] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  return std::filesystem::path(path).parent_path();
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

std::wstring ClassName(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

struct WindowSearch {
  DWORD processId;
  const wchar_t* className;
  bool visibleOnly;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<WindowSearch*>(lParam);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (search.processId != 0 && processId != search.processId) return TRUE;
  if (search.visibleOnly && !IsWindowVisible(window)) return TRUE;
  if (ClassName(window) != search.className) return TRUE;
  search.found = window;
  return FALSE;
}

HWND FindWindowOf(DWORD processId, const wchar_t* className, bool visibleOnly) {
  WindowSearch search{processId, className, visibleOnly, nullptr};
  EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

MessageBoxSeen Describe(HWND box) {
  wchar_t text[1024] = {};
  GetDlgItemTextW(box, kMessageBoxTextId, text, 1024);
  return {WindowText(box), text};
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() > deadline) return condition();
    PumpMessages();
    Sleep(10);
  }
}

bool MovePointerTo(POINT target) {
  constexpr int kSteadyPolls = 5;
  int steady = 0;
  SetCursorPos(target.x, target.y);
  return WaitUntil([&] {
    POINT now;
    GetCursorPos(&now);
    if (now.x != target.x || now.y != target.y) {
      SetCursorPos(target.x, target.y);
      steady = 0;
      return false;
    }
    return ++steady >= kSteadyPolls;
  });
}

TempFolder::TempFolder() {
  static int counter = 0;
  wchar_t base[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, base);
  path_ = std::filesystem::path(base) / (L"tw-test-" + std::to_wstring(GetCurrentProcessId()) +
                                         L"-" + std::to_wstring(++counter));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
    SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);  // read-only fixtures too
  }
  std::filesystem::remove_all(path_, ignored);
}

std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

std::vector<std::string> IniKeys(const std::string& text) {
  std::vector<std::string> keys;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    const size_t equals = line.find('=');
    if (equals != std::string::npos && !line.starts_with("["))
      keys.push_back(line.substr(0, equals));
  }
  return keys;
}

void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << bytes;
}

std::vector<std::filesystem::path> FileNamesIn(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename());
  }
  return names;
}

HWND FindProcessWindow(DWORD processId, const wchar_t* className) {
  return FindWindowOf(processId, className, false);
}

std::wstring WindowText(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

COLORREF ScreenPixel(HWND window, POINT client) {
  ClientToScreen(window, &client);
  HDC screen = GetDC(nullptr);
  const COLORREF color = GetPixel(screen, client.x, client.y);
  ReleaseDC(nullptr, screen);
  return color;
}

std::vector<COLORREF> ScreenArea(HWND window, const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  POINT origin{area.left, area.top};
  ClientToScreen(window, &origin);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP block = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, block);
  BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
  GdiFlush();
  std::vector<COLORREF> pixels;
  const auto* quads = static_cast<const RGBQUAD*>(bits);
  for (int i = 0; i < width * height; ++i)
    pixels.push_back(RGB(quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue));
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(block);
  ReleaseDC(nullptr, screen);
  return pixels;
}

void DismissMenuOpenedBy(const std::function<void()>& open) {
  std::thread closer([] {
    HWND menu = nullptr;
    WaitUntil([&] { return (menu = FindWindowW(L"#32768", nullptr)) && IsWindowVisible(menu); });
    if (menu) PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
  });
  open();
  closer.join();
}

ProgramRun::ProgramRun(const TempFolder& folder, const std::wstring& arguments)
    : folder_(folder.Path()) {
  const std::filesystem::path exe = folder_ / L"Tintwright.exe";
  // A second start from the same folder runs the same file, which the first
  // keeps open.
  if (!std::filesystem::exists(exe))
    std::filesystem::copy_file(TestProgramFolder() / L"Tintwright.exe", exe);
  std::wstring commandLine = L"\"" + exe.wstring() + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder_.c_str(), &startup, &process_)) {
    throw std::runtime_error("cannot start Tintwright.exe: error " +
                             std::to_string(GetLastError()));
  }
}

ProgramRun::~ProgramRun() {
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 10000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool ProgramRun::Terminate() {
  const bool running = WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT &&
                       TerminateProcess(process_.hProcess, 1);
  WaitForSingleObject(process_.hProcess, 10000);
  return running;
}

HWND ProgramRun::WaitForMainWindow() {
  HWND window = nullptr;
  WaitUntil([&] { return (window = FindProcessWindow(ProcessId(), L"TfrmColorPick")) != nullptr; });
  return window;
}

bool ProgramRun::WaitForIdle() { return WaitForInputIdle(process_.hProcess, 20000) == 0; }

DWORD ProgramRun::WaitForExit(std::chrono::milliseconds timeout) {
  WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count()));
  DWORD exitCode = STILL_ACTIVE;
  GetExitCodeProcess(process_.hProcess, &exitCode);
  return exitCode;
}

std::filesystem::path ProgramRun::SettingsFile() const { return folder_ / L"Tintwright.ini"; }

bool WaitForMessageBox(DWORD processId, MessageBoxSeen& seen, HWND& box,
                       std::chrono::milliseconds timeout) {
  const bool found = WaitUntil(
      [&] { return (box = FindWindowOf(processId, L"#32770", true)) != nullptr; }, timeout);
  if (found) seen = Describe(box);
  return found;
}

void PressOk(HWND box) { PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }

void AnswerFileDialog(HWND dialog, const std::wstring& fileName) {
  // The file name box of the open and save dialogs: a combo box's edit in
  // the newer layout, a plain edit in the older one. Other dialogs have
  // neither and are only confirmed.
  constexpr int kFileNameCombo = 0x47C;
  constexpr int kFileNameEdit = 0x480;
  HWND box = GetDlgItem(dialog, kFileNameCombo);
  if (!box) box = GetDlgItem(dialog, kFileNameEdit);
  if (box && !fileName.empty()) SetWindowTextW(box, fileName.c_str());
  PressOk(dialog);
}

DialogAnswerer::DialogAnswerer(std::filesystem::path fileName)
    : fileName_(std::move(fileName)), thread_([this] {
        while (!stop_) {
          if (HWND dialog = FindWindowOf(GetCurrentProcessId(), L"#32770", true)) {
            Answer(dialog);
            // Wait for that dialog to go, so that it is answered once.
            for (int i = 0; i < 500 && IsWindow(dialog) && !stop_; ++i) Sleep(10);
          }
          Sleep(10);
        }
      }) {}

void DialogAnswerer::Answer(HWND dialog) {
  {
    std::lock_guard lock(mutex_);
    seen_.push_back(Describe(dialog));
  }
  AnswerFileDialog(dialog, fileName_.wstring());
}

DialogAnswerer::~DialogAnswerer() {
  stop_ = true;
  thread_.join();
}

std::vector<MessageBoxSeen> DialogAnswerer::Seen() {
  std::lock_guard lock(mutex_);
  return seen_;
}

}  // namespace tw::test
