#include "standins/plakon/model_listing.h"

#include <gtest/gtest.h>

#include "common/tests/temp_folder.h"
#include "conv/core/outputs/model_file.h"

namespace korvel::standins {
namespace {

using test_support::TempFolder;

const std::string kConverted = TempFolder::ReadFile(KORVEL_SOURCE_DIR "/conv/tests/models/frame-and-wall/out.txt");

TEST(ModelListing, NamesEachElementsSection) {
  const std::string listing = ModelListing(conv::ReadModelFile(kConverted));
  EXPECT_NE(listing.find("  frame 1  joints 1 3  section 2 \"C 500X500\"\r\n"), std::string::npos) << listing;
  EXPECT_NE(listing.find("  wall 2  joints 2 5 6 0  section 1 \"W200\"\r\n"), std::string::npos) << listing;
  EXPECT_NE(listing.find("  joint 5  x=6  y=.25  z=0\r\n"), std::string::npos) << listing;
  EXPECT_NE(listing.find("Fc=20100  RebarFy=360000  t2=.5  t3=.5  Cover=.04  BarSize=25"), std::string::npos);
}

// Many frames sharing a long section name: the listing stays about the size
// of out.txt, the name whole only in the section list.
TEST(ModelListing, OfALongSharedNameStaysProportionalToTheModel) {
  const std::string name(1 << 20, 'N');
  std::string text = "0\r\n200\r\n";
  for (int f = 1; f <= 200; ++f) text += std::to_string(f) + ",1,2,1\r\n";
  text += "0\r\n1\r\n\"" + name + "\"\r\n1,0,0,0,0,0,0\r\n0\r\n";
  const std::string listing = ModelListing(conv::ReadModelFile(text));
  EXPECT_LT(listing.size(), 2 * text.size());
  EXPECT_NE(listing.find("  frame 200  joints 1 2  section 1 \"" + name.substr(0, 40) + "...\"\r\n"),
            std::string::npos);
  EXPECT_NE(listing.find("  1 \"" + name + "\"  Fc=0"), std::string::npos);
}

TEST(ModelListing, ElementLinesQuoteNamesOfUpToFortyBytesWhole) {
  for (const std::string& name : {std::string(40, 'N'), std::string(41, 'N')}) {
    const std::string listing =
        ModelListing(conv::ReadModelFile("0\r\n1\r\n1,1,2,1\r\n0\r\n1\r\n\"" + name + "\"\r\n1,0,0,0,0,0,0\r\n0\r\n"));
    const std::string shown = name.size() > 40 ? name.substr(0, 40) + "..." : name;
    EXPECT_NE(listing.find("section 1 \"" + shown + "\"\r\n"), std::string::npos) << listing;
  }
}

TEST(ModelListing, SectionNumbersWithoutASectionAreListedAsSuch) {
  const std::string listing = ModelListing(conv::ReadModelFile("0\r\n2\r\n1,1,2,0\r\n2,2,3,4\r\n0\r\n0\r\n0\r\n"));
  EXPECT_NE(listing.find("section (none)"), std::string::npos);
  EXPECT_NE(listing.find("section (unknown 4)"), std::string::npos);
}

}  // namespace
}  // namespace korvel::standins
