#include "run/core/launcher_form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <new>

#include "ui/tests/fake_view.h"

namespace korvel::run {
namespace {

using test_support::FakeView;

TEST(LauncherForm, CancelOrAShortNameStartsNothing) {
  FakeView view(LauncherForm());
  view.Click("cmdRun");
  ASSERT_TRUE(view.filter);
  EXPECT_EQ(view.filter->description, "Data files");
  EXPECT_EQ(view.filter->pattern, "*.dat");
  view.answer = "a.d";
  view.Click("cmdRun");
  EXPECT_TRUE(view.errors.empty());
  view.Click("cmdExit");
  EXPECT_TRUE(view.closed);
}

TEST(LauncherForm, AJobOutsideTheWorkingFolderIsNotStarted) {
  FakeView view(LauncherForm());
  view.answer = (std::filesystem::temp_directory_path() / "korvel-no-such-folder" / "job.dat").string();
  view.Click("cmdRun");
  ASSERT_EQ(view.errors.size(), 1u);
  EXPECT_EQ(view.errors[0].rfind("作业文件必须在工作文件夹中", 0), 0u) << view.errors[0];
}

// Every window runs its actions through one guard: whatever an action
// throws is shown naming the control, and the window goes on.
TEST(WindowActions, AnythingAnActionThrowsIsShownAndTheWindowGoesOn) {
  const form::Form form{
      "f",
      "f",
      1000,
      1000,
      {{form::ControlKind::kButton,
        "library",
        "开始",
        {},
        [](form::View&) { std::filesystem::current_path("/no/such/folder"); }},
       {form::ControlKind::kButton, "other", "运行", {}, [](form::View&) { throw 42; }},
       {form::ControlKind::kButton, "memory", "写出", {}, [](form::View&) { throw std::bad_alloc(); }}}};
  FakeView view(form);
  for (const char* control : {"library", "other", "memory"}) view.Click(control);
  ASSERT_EQ(view.errors.size(), 3u);
  EXPECT_EQ(view.errors[0].rfind("\"开始\" 没有完成：", 0), 0u) << view.errors[0];
  EXPECT_EQ(view.errors[1].rfind("\"运行\" 没有完成：", 0), 0u) << view.errors[1];
  EXPECT_NE(view.errors[2].find("内存不足"), std::string::npos) << view.errors[2];
}

}  // namespace
}  // namespace korvel::run
