#include "ui/win32/input_box.h"

#include "ui/win32/fonts.h"

namespace korvel::win32 {
namespace {

constexpr wchar_t kClass[] = L"KorvelInputBox";

struct State {
  HWND field = nullptr;
  std::optional<std::wstring> answer;
  bool done = false;
};

LRESULT CALLBACK Procedure(HWND box, UINT message, WPARAM w, LPARAM l) {
  auto* state = reinterpret_cast<State*>(GetWindowLongPtrW(box, GWLP_USERDATA));
  if (message == WM_COMMAND && state && (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL)) {
    if (LOWORD(w) == IDOK) {
      std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(state->field)) + 1, L'\0');
      text.resize(static_cast<std::size_t>(GetWindowTextW(state->field, text.data(), static_cast<int>(text.size()))));
      state->answer = text;
    }
    state->done = true;
    return 0;
  }
  if (message == WM_CLOSE && state) {
    state->done = true;
    return 0;
  }
  return DefWindowProcW(box, message, w, l);
}

}  // namespace

std::optional<std::wstring> InputBox(HWND owner, const std::wstring& title, const std::wstring& prompt) {
  WNDCLASSW type{};
  type.lpfnWndProc = Procedure;
  type.hInstance = GetModuleHandleW(nullptr);
  type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  type.lpszClassName = kClass;
  RegisterClassW(&type);  // fails harmlessly when registered already

  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  auto px = [&](int at96) { return MulDiv(at96, dpi, 96); };

  RECT frame{0, 0, px(400), px(130)};
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
  HWND box = CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kClass, title.c_str(), style, CW_USEDEFAULT,
                             CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, owner, nullptr,
                             type.hInstance, nullptr);
  State state;
  SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
  HFONT font = CreateMessageFont(dpi);
  auto add = [&](const wchar_t* kind, const wchar_t* text, DWORD more, DWORD extended, int x, int y, int w, int h,
                 int id) {
    HWND control = CreateWindowExW(extended, kind, text, WS_CHILD | WS_VISIBLE | more, px(x), px(y), px(w), px(h), box,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), type.hInstance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
  };
  add(L"STATIC", prompt.c_str(), SS_LEFT, 0, 12, 10, 376, 36, -1);
  state.field = add(L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 12, 52, 376, 24, 100);
  add(L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 200, 90, 88, 28, IDOK);
  add(L"BUTTON", L"Cancel", WS_TABSTOP | BS_PUSHBUTTON, 0, 300, 90, 88, 28, IDCANCEL);

  if (owner) EnableWindow(owner, FALSE);
  ShowWindow(box, SW_SHOW);
  SetFocus(state.field);
  MSG message;
  while (!state.done && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(box, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  if (owner) EnableWindow(owner, TRUE);
  DestroyWindow(box);
  DeleteObject(font);
  if (owner) SetActiveWindow(owner);
  return state.answer;
}

}  // namespace korvel::win32
