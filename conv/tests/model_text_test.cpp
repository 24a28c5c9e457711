#include "conv/core/input/model_text.h"

#include <gtest/gtest.h>

#include "common/error.h"
#include "conv/core/input/field_scanner.h"

namespace korvel::conv {
namespace {

// A message quotes the model in UTF-8 and whole: a NUL would cut it where it
// is shown, an escape sequence would steer the terminal.
TEST(WarningText, ControlCharactersOfTheModelAreShownAsQuestionMarks) {
  EXPECT_EQ(ModelText(std::string_view("B\0\x1B[2J\x7F\xD6\xD0", 9)), "B??[2J?中");
}

TEST(WarningText, ValueBeyondADoubleIsQuotedInUtf8) {
  try {
    ModelNumber("1e999\xD6\xD0\xCE\xC4\x1B]0;x\x07");
    FAIL() << "no error";
  } catch (const OverflowError& e) {
    EXPECT_EQ(std::string(e.what()), "数值 \"1e999中文?]0;x?\" 超出双精度数的范围");
  }
}

}  // namespace
}  // namespace korvel::conv
