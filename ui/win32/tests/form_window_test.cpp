// The Win32 renderer's contract, on a form with one control of each kind,
// driven through its native controls under Wine.

#include "ui/win32/form_window.h"

#include <gtest/gtest.h>

#include "ui/tests/contract_form.h"
#include "ui/tests/win32_driver.h"

namespace korvel::win32 {
namespace {

using namespace test_support;

class FormWindowContract : public ::testing::Test {
 protected:
  FormWindowContract() { ShowWindow(window_.handle(), SW_SHOW); }
  HWND Control(const char* name) { return window_.Control(name); }

  FormWindow window_{ContractForm()};
};

TEST_F(FormWindowContract, PlacesEveryControlAtTheSharedPixels) {
  EXPECT_EQ(TextOf(window_.handle()), "Contract");
  RECT client;
  GetClientRect(window_.handle(), &client);
  EXPECT_EQ(client.right, kContractWidth);
  EXPECT_EQ(client.bottom, kContractHeight);
  for (const PixelPlace& p : kContractPlaces) {
    ASSERT_TRUE(Control(p.name)) << p.name;
    const RECT place = PlaceOf(window_.handle(), Control(p.name));
    EXPECT_EQ(place.left, p.left) << p.name;
    EXPECT_EQ(place.top, p.top) << p.name;
    EXPECT_EQ(place.right - place.left, p.width) << p.name;
    EXPECT_EQ(place.bottom - place.top, p.height) << p.name;
  }
  EXPECT_TRUE(HasEveryGlyph(Control("lblWrapped")));
}

TEST_F(FormWindowContract, FocusStartsOnTheFirstFieldAndTabFollowsTheForm) {
  EXPECT_EQ(GetFocus(), Control("txtField"));
  for (const char* next : {"chkCopy", "cmdGo", "txtField"}) {
    PressKey(window_.handle(), VK_TAB);
    EXPECT_EQ(GetFocus(), Control(next)) << next;
  }
}

TEST_F(FormWindowContract, ClicksCallTheActionsWhichReadEveryKindOfControl) {
  EXPECT_EQ(window_.Text("txtField"), "initial");
  EXPECT_EQ(window_.Text("cmdGo"), "Go");
  Click(Control("cmdGo"));
  EXPECT_EQ(window_.Text("txtField"), "One line");
  Click(Control("chkCopy"));
  EXPECT_EQ(window_.Text("txtField"), "Copy");
  window_.SetText("txtField", "typed");
  PressKey(window_.handle(), VK_RETURN);
  PressKey(window_.handle(), VK_ESCAPE);
  EXPECT_EQ(window_.Text("txtField"), "typed") << "Enter and Escape press no button";
}

TEST_F(FormWindowContract, BusyTakesNoInputAndGivesTheFocusBack) {
  TabTo(window_.handle(), Control("chkCopy"));
  window_.SetBusy(true);
  EXPECT_FALSE(IsWindowEnabled(window_.handle()));
  window_.SetBusy(false);
  EXPECT_TRUE(IsWindowEnabled(window_.handle()));
  EXPECT_EQ(GetFocus(), Control("chkCopy"));
}

}  // namespace
}  // namespace korvel::win32
