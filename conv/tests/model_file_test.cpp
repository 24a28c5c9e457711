// out.txt read back: the rows the converter wrote it from, and the first line
// of a file that is not one.

#include "conv/core/outputs/model_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/error.h"
#include "common/list_writer.h"
#include "common/real_format.h"
#include "conv/core/outputs/output_files.h"

namespace korvel::conv {
namespace {

using limits = std::numeric_limits<double>;

// Every number and name comes back as written; only an area's thickness,
// which out.txt does not carry, reads 0.
TEST(ModelFile, ReadsBackTheRowsItWasWrittenFrom) {
  ModelTables tables;
  tables.joints.Add({1, .5, -1e-300, limits::max()});
  tables.joints.Add({2, limits::lowest(), limits::denorm_min(), 123456789012345});
  tables.frames.Add({7, 1, 2, 0});
  tables.frames.SetSection(1, 2);
  tables.frames.Add({8, 2, 99, 0});  // never assigned
  tables.areas.Add({.label = 3, .joints = {1, 2, 99, 0}, .thickness = .2});
  tables.areas.SetSection(1, 1);
  tables.areas.Add({.label = 4, .joints = {2, 1, 7, 8}});
  tables.areas.SetSection(2, 2);
  tables.frameSections.FindOrAddSection("C 500X500");
  tables.frameSections.FindOrAddSection("\xBC\xF4\"q\"");  // double-byte, quotes inside
  tables.sectionInfo.MutableRow(1) = {1, 20100, 360000, .4, .5, .04, 25};
  tables.areaSections.FindOrAddSection("W200");
  ListWriter out;
  WriteModelLines(out, tables);

  const ModelFile model = ReadModelFile(out.Lines());
  ASSERT_EQ(model.joints.size(), 2u);
  for (int r = 1; r <= 2; ++r) EXPECT_EQ(model.joints[r - 1], tables.joints.Row(r)) << "joint row " << r;
  ASSERT_EQ(model.frames.size(), 2u);
  for (int r = 1; r <= 2; ++r) EXPECT_EQ(model.frames[r - 1], tables.frames.Row(r)) << "frame row " << r;
  ASSERT_EQ(model.areas.size(), 2u);
  for (int r = 1; r <= 2; ++r) {
    Area written = tables.areas.Row(r);
    written.thickness = 0;
    EXPECT_EQ(model.areas[r - 1], written) << "area row " << r;
  }
  ASSERT_EQ(model.frameSections.size(), 2u);
  for (int m = 1; m <= 2; ++m) {
    EXPECT_EQ(model.frameSections[m - 1].name, tables.frameSections.Name(m));
    EXPECT_EQ(model.frameSections[m - 1].row, tables.sectionInfo.Row(m)) << "section " << m;
  }
  EXPECT_EQ(model.areaSections, std::vector<std::string>{"W200"});
}

// 15 significant digits are written, so the largest double is written just
// beyond the range: it reads back as itself, and anything larger is refused.
TEST(ModelFile, ReadsBackEveryNumberTheConverterWrites) {
  const double extremes[] = {limits::max(), limits::lowest(), limits::min(), limits::denorm_min(),
                             -limits::denorm_min()};
  for (const double value : extremes) {
    std::string joint = "1\r\n1,";
    AppendReal(joint, value);
    joint += ",17.9769313486232E+307,-.0000179769313486232e313\r\n0\r\n0\r\n0\r\n0\r\n";
    const ModelFile model = ReadModelFile(joint);
    EXPECT_EQ(FormatReal(model.joints[0].x), FormatReal(value)) << joint;
    if (std::abs(value) == limits::max()) {
      EXPECT_EQ(model.joints[0].x, value) << joint;
    }
    EXPECT_EQ(model.joints[0].y, limits::max());
    EXPECT_EQ(model.joints[0].z, limits::lowest());
  }
  for (const char* beyond :
       {"1.79769313486233E+308", "-1.797693134862321E+308", "1E+309", "1797693134862320001E+290"}) {
    try {
      ReadModelFile("1\r\n1,0,0," + std::string(beyond) + "\r\n0\r\n0\r\n0\r\n0\r\n");
      ADD_FAILURE() << "accepted: " << beyond;
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find("文件 \"out.txt\" 第 2 行："), std::string::npos) << e.what();
    }
  }
}

TEST(ModelFile, ReportsTheFirstLineThatDoesNotFit) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "第 1 行"},                                                  // empty file
      {"1\r\n1,0,0,0\r\n0\r\n0\r\n", "第 5 行"},                        // truncated
      {"2\r\n1,0,0,0\r\n0\r\n0\r\n0\r\n0\r\n", "第 3 行"},              // count larger than its block
      {"1\r\n1,0,0\r\n0\r\n0\r\n0\r\n0\r\n", "第 2 行"},                // three numbers for a joint
      {"0\r\n0\r\n0\r\n1\r\nB1\r\n1,0,0,0,0,0,0\r\n0\r\n", "第 5 行"},  // unquoted name
      {"0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n", "第 6 行"},                    // more than the model
      {"0\n0\n0\n0\n0\n", "第 1 行"},                                   // LF only
      {"0\r\n0\r\nx\r\n0\r\n0\r\n", "第 3 行"},                         // not a number
      {"-1\r\n0\r\n0\r\n0\r\n0\r\n", "第 1 行"},                        // negative count
      {"1.5\r\n0\r\n0\r\n0\r\n0\r\n", "第 1 行"},                       // fractional count
  };
  for (const auto& [text, where] : cases) {
    try {
      ReadModelFile(text);
      ADD_FAILURE() << "accepted: " << text;
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find(where), std::string::npos) << e.what() << " for " << text;
    }
  }
}

}  // namespace
}  // namespace korvel::conv
