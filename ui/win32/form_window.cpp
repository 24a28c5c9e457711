#include "ui/win32/form_window.h"

#include <commdlg.h>

#include <filesystem>

#include "common/codepage.h"
#include "common/error.h"
#include "ui/win32/fonts.h"
#include "ui/win32/input_box.h"
#include "ui/win32/picture_gdi.h"

namespace korvel::win32 {
namespace {

constexpr wchar_t kClass[] = L"KorvelFormWindow";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

std::wstring ProgramName() {
  wchar_t path[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name = path;
  name = name.substr(name.find_last_of(L"\\/") + 1);
  return name.substr(0, name.rfind(L'.'));
}

}  // namespace

std::wstring Wide(std::string_view utf8) { return Utf8ToUtf16(utf8); }

std::string Utf8(std::wstring_view wide) {
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length, nullptr, nullptr);
  return utf8;
}

FormWindow::FormWindow(const form::Form& form) : form_(form), dpi_(ScreenDpi()) {
  WNDCLASSW type{};
  type.lpfnWndProc = Procedure;
  type.hInstance = GetModuleHandleW(nullptr);
  type.hIcon = LoadIconW(type.hInstance, MAKEINTRESOURCEW(1));
  type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  type.lpszClassName = kClass;
  RegisterClassW(&type);  // fails harmlessly when registered already

  RECT frame{0, 0, form::Pixels(form.width, dpi_), form::Pixels(form.height, dpi_)};
  AdjustWindowRectEx(&frame, kWindowStyle, FALSE, WS_EX_CONTROLPARENT);
  window_ = CreateWindowExW(WS_EX_CONTROLPARENT, kClass, Wide(form.caption).c_str(), kWindowStyle, CW_USEDEFAULT,
                            CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                            type.hInstance, this);
  CreateControls();

  reportError = [this](const std::string& text) {
    MessageBoxW(window_, Wide(text).c_str(), Wide(form_.caption).c_str(), MB_OK | MB_ICONWARNING);
  };
  reportWarnings = [this](const std::string& text) {
    MessageBoxW(window_, Wide(text).c_str(), Wide(form_.caption).c_str(), MB_OK | MB_ICONINFORMATION);
  };
  askText = [this](const std::string& prompt) -> std::optional<std::string> {
    const auto text = InputBox(window_, ProgramName(), Wide(prompt));
    return text ? std::optional<std::string>(Utf8(*text)) : std::nullopt;
  };
  openFile = [this](const form::FileFilter& filter) -> std::optional<std::string> {
    // The dialog opens in the current folder every time: a name with a folder
    // and no file is where it starts; without one it would prefer the folder
    // last visited by the program.
    std::error_code missing;
    std::wstring start = std::filesystem::current_path(missing).wstring();
    if (missing) throw Error(kCurrentFolderMissing);
    if (!start.empty() && start.back() != L'\\') start += L'\\';
    wchar_t file[MAX_PATH * 4] = L"";
    start.copy(file, MAX_PATH * 4 - 1);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window_;
    // Pairs of a description and its pattern, each ended by a NUL, the list by another.
    const std::wstring filters =
        Wide(filter.description + " (" + filter.pattern + ")") + L'\0' + Wide(filter.pattern) + L'\0';
    dialog.lpstrFilter = filters.c_str();
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file / sizeof file[0];
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    return Utf8(file);
  };
}

FormWindow::~FormWindow() {
  if (IsWindow(window_)) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  for (HFONT font : fonts_) DeleteObject(font);
}

void FormWindow::CreateControls() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  HFONT messageFont = CreateMessageFont(dpi_);
  fonts_.push_back(messageFont);
  HWND first = nullptr;
  for (std::size_t i = 0; i < form_.controls.size(); ++i) {
    const form::Control& c = form_.controls[i];
    const std::wstring caption = Wide(c.caption);
    const wchar_t* kind = L"STATIC";
    DWORD style = WS_CHILD | WS_VISIBLE, extended = 0;
    switch (c.kind) {
      case form::ControlKind::kLabel:
        style |= SS_LEFTNOWORDWRAP;
        break;
      case form::ControlKind::kWrappedLabel:
        style |= SS_LEFT;
        break;
      case form::ControlKind::kEdit:
        kind = L"EDIT";
        style |= WS_TABSTOP | ES_AUTOHSCROLL;
        extended = WS_EX_CLIENTEDGE;
        break;
      case form::ControlKind::kCheckBox:
        kind = L"BUTTON";
        style |= WS_TABSTOP | BS_AUTOCHECKBOX | BS_NOTIFY;
        break;
      case form::ControlKind::kButton:
        kind = L"BUTTON";
        style |= WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY;
        break;
      case form::ControlKind::kPicture:
        style |= SS_OWNERDRAW;
        break;
    }
    const int x = form::Pixels(c.place.left, dpi_), y = form::Pixels(c.place.top, dpi_);
    const int width = form::Pixels(c.place.width, dpi_), height = form::Pixels(c.place.height, dpi_);
    HWND control =
        CreateWindowExW(extended, kind, caption.c_str(), style, x, y, width, height, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + i)), instance, nullptr);
    HFONT font = messageFont;
    if (c.kind == form::ControlKind::kWrappedLabel) {
      font = CreateChineseLabelFont(dpi_, caption, width, height);
      fonts_.push_back(font);
    }
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    controls_.push_back(control);
    if (!first && (style & WS_TABSTOP)) first = control;
  }
  focused_ = first;
  RestoreFocus();
}

void FormWindow::RestoreFocus() {
  if (focused_) SetFocus(focused_);
}

HWND FormWindow::Control(std::string_view name) const {
  for (std::size_t i = 0; i < form_.controls.size(); ++i) {
    if (form_.controls[i].name == name) return controls_[i];
  }
  return nullptr;
}

int FormWindow::Run() {
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
  RestoreFocus();
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(window_, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return static_cast<int>(message.wParam);
}

LRESULT CALLBACK FormWindow::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return self ? self->Handle(message, w, l) : DefWindowProcW(window, message, w, l);
}

LRESULT FormWindow::Handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(w);
      if (HIWORD(w) == EN_SETFOCUS || HIWORD(w) == BN_SETFOCUS) focused_ = reinterpret_cast<HWND>(l);
      const auto index = static_cast<std::size_t>(id - kFirstControlId);
      // Enter and Escape arrive as ids 1 and 2 and press nothing.
      if (HIWORD(w) == BN_CLICKED && id >= kFirstControlId && index < form_.controls.size()) {
        form::RunAction(form_.controls[index], *this);
      }
      return 0;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(l);
      const auto index = static_cast<std::size_t>(item->CtlID - kFirstControlId);
      if (index < form_.controls.size() && form_.controls[index].picture) {
        DrawPicture(item->hDC, item->rcItem, *form_.controls[index].picture);
      }
      return TRUE;
    }
    case WM_ACTIVATE:
      if (LOWORD(w) != WA_INACTIVE && !HIWORD(w)) RestoreFocus();  // not while minimized
      return 0;
    case WM_SETFOCUS:  // the frame itself takes no keys
      RestoreFocus();
      return 0;
    case WM_CLOSE:
      DestroyWindow(window_);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window_, message, w, l);
  }
}

std::string FormWindow::Text(std::string_view control) const {
  HWND field = Control(control);
  if (!field) return {};
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
  return Utf8(text);
}

void FormWindow::SetText(std::string_view control, const std::string& text) {
  if (HWND field = Control(control)) SetWindowTextW(field, Wide(text).c_str());
}

void FormWindow::SetBusy(bool busy) {
  EnableWindow(window_, !busy);  // disabling it takes the focus away
  SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
  if (!busy && GetActiveWindow() == window_) RestoreFocus();
}

void FormWindow::Close() { DestroyWindow(window_); }

}  // namespace korvel::win32
