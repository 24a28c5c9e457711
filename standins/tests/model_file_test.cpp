#include "conv/core/model_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/error.h"
#include "common/real_format.h"
#include "common/tests/temp_folder.h"
#include "standins/plakon/model_listing.h"

namespace korvel::standins {
namespace {

using test_support::TempFolder;

const std::string kConverted =
    TempFolder::ReadFile(KORVEL_SOURCE_DIR "/conv/tests/models/frame-and-wall/out.txt");

TEST(ModelFile, ReadsWhatTheConverterWrote) {
  const conv::ModelFile model = conv::ReadModelFile(kConverted);
  EXPECT_EQ(model.joints.size(), 6u);
  EXPECT_EQ(model.frames.size(), 3u);
  EXPECT_EQ(model.areas.size(), 2u);
  ASSERT_EQ(model.frameSections.size(), 2u);
  EXPECT_EQ(model.frameSections[1].name, "C 500X500");
  EXPECT_EQ(model.frameSections[1].values[5], 0.04);
  EXPECT_EQ(model.areaSections[1], "\xBC\xF4\xC1\xA6\xC7\xBD\x32\x35\x30");
}

TEST(ModelFile, ListingNamesEachElementsSection) {
  const std::string listing = ModelListing(conv::ReadModelFile(kConverted));
  EXPECT_NE(listing.find("  frame 1  joints 1 3  section 2 \"C 500X500\"\r\n"), std::string::npos) << listing;
  EXPECT_NE(listing.find("  wall 2  joints 2 5 6 0  section 1 \"W200\"\r\n"), std::string::npos) << listing;
  EXPECT_NE(listing.find("  joint 5  x=6  y=.25  z=0\r\n"), std::string::npos) << listing;
  EXPECT_NE(listing.find("Fc=20100  RebarFy=360000  t2=.5  t3=.5  Cover=.04  BarSize=25"), std::string::npos);
}

// Many frames sharing a long section name: the listing stays about the size
// of out.txt, the name whole only in the section list.
TEST(ModelFile, ListingOfALongSharedNameStaysProportionalToTheModel) {
  const std::string name(1 << 20, 'N');
  std::string text = "0\r\n200\r\n";
  for (int f = 1; f <= 200; ++f) text += std::to_string(f) + ",1,2,1\r\n";
  text += "0\r\n1\r\n\"" + name + "\"\r\n1,0,0,0,0,0,0\r\n0\r\n";
  const std::string listing = ModelListing(conv::ReadModelFile(text));
  EXPECT_LT(listing.size(), 2 * text.size());
  EXPECT_NE(listing.find("  frame 200  joints 1 2  section 1 \"" + name.substr(0, 40) + "...\"\r\n"), std::string::npos);
  EXPECT_NE(listing.find("  1 \"" + name + "\"  Fc=0"), std::string::npos);
}

TEST(ModelFile, SectionNumbersWithoutASectionAreListedAsSuch) {
  const std::string listing = ModelListing(conv::ReadModelFile("0\r\n2\r\n1,1,2,0\r\n2,2,3,4\r\n0\r\n0\r\n0\r\n"));
  EXPECT_NE(listing.find("section (none)"), std::string::npos);
  EXPECT_NE(listing.find("section (unknown 4)"), std::string::npos);
}

TEST(ModelFile, ReadsBackEveryNumberTheConverterWrites) {
  using limits = std::numeric_limits<double>;
  const double extremes[] = {limits::max(), limits::lowest(), limits::min(), limits::denorm_min(), -limits::denorm_min()};
  for (const double value : extremes) {
    std::string joint = "1\r\n1,";
    AppendReal(joint, value);
    joint += ",17.9769313486232E+307,-.0000179769313486232e313\r\n0\r\n0\r\n0\r\n0\r\n";
    const conv::ModelFile model = conv::ReadModelFile(joint);
    EXPECT_EQ(FormatReal(model.joints[0][1]), FormatReal(value)) << joint;
    if (std::abs(value) == limits::max()) {
      EXPECT_EQ(model.joints[0][1], value) << joint;
    }
    EXPECT_EQ(model.joints[0][2], limits::max());
    EXPECT_EQ(model.joints[0][3], limits::lowest());
  }
  for (const char* beyond : {"1.79769313486233E+308", "-1.797693134862321E+308", "1E+309", "1797693134862320001E+290"}) {
    try {
      conv::ReadModelFile("1\r\n1,0,0," + std::string(beyond) + "\r\n0\r\n0\r\n0\r\n0\r\n");
      ADD_FAILURE() << "accepted: " << beyond;
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find("out.txt 第 2 行"), std::string::npos) << e.what();
    }
  }
}

TEST(ModelFile, ReportsTheFirstLineThatDoesNotFit) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "第 1 行"},                                         // empty file
      {"1\r\n1,0,0,0\r\n0\r\n0\r\n", "第 5 行"},                // truncated
      {"2\r\n1,0,0,0\r\n0\r\n0\r\n0\r\n0\r\n", "第 3 行"},      // count larger than its block
      {"1\r\n1,0,0\r\n0\r\n0\r\n0\r\n0\r\n", "第 2 行"},        // three numbers for a joint
      {"0\r\n0\r\n0\r\n1\r\nB1\r\n1,0,0,0,0,0,0\r\n0\r\n", "第 5 行"},  // unquoted name
      {"0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n", "第 6 行"},            // more than the model
      {"0\n0\n0\n0\n0\n", "第 1 行"},                           // LF only
      {"0\r\n0\r\nx\r\n0\r\n0\r\n", "第 3 行"},                 // not a number
      {"-1\r\n0\r\n0\r\n0\r\n0\r\n", "第 1 行"},                // negative count
      {"1.5\r\n0\r\n0\r\n0\r\n0\r\n", "第 1 行"},               // fractional count
  };
  for (const auto& [text, where] : cases) {
    try {
      conv::ReadModelFile(text);
      ADD_FAILURE() << "accepted: " << text;
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find(where), std::string::npos) << e.what() << " for " << text;
    }
  }
}

}  // namespace
}  // namespace korvel::standins
