// korvel.exe's messages as a Chinese Windows user reads them: in a console of
// any code page, and in a file its error output was redirected to.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "common/codepage.h"
#include "common/tests/temp_folder.h"

namespace korvel {
namespace {

// A model that is not there: an error in Chinese, whatever its wording.
std::wstring Command() {
  return L"\"" + std::filesystem::absolute(KORVEL_BINARY).wstring() + L"\" convert missing.s2k";
}

bool HasChinese(const std::string& utf8) {
  const std::wstring text = Utf8ToUtf16(utf8);
  return std::any_of(text.begin(), text.end(), [](wchar_t c) { return c >= 0x4E00 && c <= 0x9FFF; });
}

// Runs korvel.exe in `folder` with standard error into `log` (when given, and
// without a console) or into the console of this process, and waits for it.
void RunKorvel(const std::filesystem::path& folder, HANDLE log = nullptr) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (log) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdError = startup.hStdOutput = log;
  }
  PROCESS_INFORMATION process{};
  std::wstring command = Command();
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, log != nullptr, log ? DETACHED_PROCESS : 0,
                             nullptr, folder.wstring().c_str(), &startup, &process));
  WaitForSingleObject(process.hProcess, 30000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

std::string Redirected(const std::filesystem::path& folder, const char* utf8Switch) {
  SetEnvironmentVariableW(L"KORVEL_UTF8", utf8Switch ? L"1" : nullptr);
  const std::filesystem::path name = folder / (utf8Switch ? "utf8.log" : "log.txt");
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE log = CreateFileW(name.wstring().c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  RunKorvel(folder, log);
  CloseHandle(log);
  SetEnvironmentVariableW(L"KORVEL_UTF8", nullptr);
  return test_support::TempFolder::ReadFile(name);
}

// The characters of the console's screen, its lines joined without their blanks.
std::wstring ConsoleText() {
  HANDLE screen = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  CONSOLE_SCREEN_BUFFER_INFO info{};
  GetConsoleScreenBufferInfo(screen, &info);
  std::wstring text;
  for (SHORT row = 0; row <= info.dwCursorPosition.Y; ++row) {
    std::wstring line(static_cast<std::size_t>(info.dwSize.X), L' ');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(screen, line.data(), info.dwSize.X, COORD{0, row}, &read);
    line.resize(line.find_last_not_of(L' ') + 1);
    text += line;
  }
  CloseHandle(screen);
  return text;
}

TEST(KorvelConsole, ARedirectedMessageIsInTheCodePageOfTheSystemOrUtf8OnRequest) {
  ASSERT_EQ(GetACP(), 936u);
  test_support::TempFolder folder;
  FreeConsole();  // korvel.exe has no console: the system's code page
  const std::string utf8 = Redirected(folder.path(), "1");
  ASSERT_TRUE(HasChinese(utf8)) << utf8;
  ASSERT_NE(utf8.find("missing.s2k"), std::string::npos) << utf8;
  EXPECT_EQ(Redirected(folder.path(), nullptr), Utf8ToCp936(utf8));
}

TEST(KorvelConsole, AConsoleShowsTheMessageWholeInAnyCodePage) {
  test_support::TempFolder folder;
  FreeConsole();
  const std::string utf8 = Redirected(folder.path(), "1");
  const std::wstring expected = Utf8ToUtf16(utf8.substr(0, utf8.find_last_not_of("\r\n") + 1));
  for (UINT codePage : {936u, 437u, 65001u}) {
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    SetConsoleOutputCP(codePage);
    RunKorvel(folder.path());
    EXPECT_EQ(ConsoleText(), expected) << "console code page " << codePage;
  }
  FreeConsole();
}

}  // namespace
}  // namespace korvel
