#include "conv/core/converter_form.h"

#include <gtest/gtest.h>

#include "common/tests/temp_folder.h"
#include "ui/tests/fake_view.h"

namespace korvel::conv {
namespace {

using test_support::FakeView;
using test_support::TempFolder;

TEST(ConverterForm, ConvertsTheNamedModelWhileBusyAndSaysWhatIsSuspect) {
  TempFolder folder;
  folder.Write("m.s2k", "TABLE:  \"JOINT COORDINATES\"\r\n   Joint=1   GlobalZ=2.5\r\n");
  FakeView view(ConverterForm());
  view.answer = "m.s2k";
  ConvertAskedModel(view, folder.path());
  EXPECT_EQ(view.prompts, std::vector<std::string>{"请输入SAP2000(*.s2k)文件名称，必须包括后缀名"});
  EXPECT_EQ(view.busyChanges, (std::vector<bool>{true, false}));
  EXPECT_EQ(folder.Read("out.txt"), "1\r\n1,0,0,2.5\r\n0\r\n0\r\n0\r\n0\r\n");
  ASSERT_EQ(view.warnings.size(), 1u) << "GlobalX and GlobalY are missing";
  EXPECT_TRUE(view.warnings[0].starts_with("debug.txt 和 out.txt 已写出")) << view.warnings[0];
  EXPECT_TRUE(view.errors.empty());
}

TEST(ConverterForm, CancelDoesNothingAndAMissingModelIsAnError) {
  TempFolder folder;
  FakeView view(ConverterForm());
  ConvertAskedModel(view, folder.path());
  EXPECT_TRUE(view.busyChanges.empty());
  view.answer = "missing.s2k";
  ConvertAskedModel(view, folder.path());
  ASSERT_EQ(view.errors.size(), 1u);
  EXPECT_NE(view.errors[0].find("missing.s2k"), std::string::npos);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{});
  view.Click("Command2");
  EXPECT_TRUE(view.closed);
}

}  // namespace
}  // namespace korvel::conv
