// The Qt renderer's contract, on a form with one control of each kind.

#include "ui/qt/form_widget.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include "ui/tests/contract_form.h"

namespace korvel::qt {
namespace {

using namespace test_support;

class FormWidgetContract : public ::testing::Test {
 protected:
  FormWidgetContract() {
    window_.show();
    QApplication::setActiveWindow(&window_);
  }
  void Click(const char* name) { QTest::mouseClick(window_.Control(name), Qt::LeftButton); }

  FormWidget window_{ContractForm()};
};

TEST_F(FormWidgetContract, PlacesEveryControlAtTheSharedPixels) {
  EXPECT_EQ(window_.objectName(), "frmContract");
  EXPECT_EQ(window_.size(), QSize(kContractWidth, kContractHeight));
  for (const PixelPlace& p : kContractPlaces) {
    ASSERT_TRUE(window_.Control(p.name)) << p.name;
    EXPECT_EQ(window_.Control(p.name)->geometry(), QRect(p.left, p.top, p.width, p.height)) << p.name;
  }
  const auto* picture = qobject_cast<QLabel*>(window_.Control("imgKey"));
  EXPECT_EQ(picture->pixmap().size(), QSize(40, 30));
  EXPECT_EQ(picture->pixmap().toImage().pixelColor(1, 1), QColor(10, 20, 30));
}

TEST_F(FormWidgetContract, FocusStartsOnTheFirstFieldAndTabFollowsTheForm) {
  EXPECT_EQ(QApplication::focusWidget(), window_.Control("txtField"));
  for (const char* next : {"chkCopy", "cmdGo"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window_.Control(next)) << next;
  }
  EXPECT_FALSE(qobject_cast<QAbstractButton*>(window_.Control("cmdGo"))->isDown());
}

TEST_F(FormWidgetContract, ClicksCallTheActionsWhichReadEveryKindOfControl) {
  EXPECT_EQ(window_.Text("txtField"), "initial");
  EXPECT_EQ(window_.Text("cmdGo"), "Go");
  Click("cmdGo");
  EXPECT_EQ(window_.Text("txtField"), "One line");
  Click("chkCopy");
  EXPECT_EQ(window_.Text("txtField"), "Copy");
  QTest::keyClick(window_.Control("txtField"), Qt::Key_Return);
  EXPECT_EQ(window_.Text("txtField"), "Copy") << "Enter presses no button";
}

TEST_F(FormWidgetContract, BusyTakesNoInputAndGivesTheFocusBack) {
  window_.Control("chkCopy")->setFocus();
  window_.SetBusy(true);
  EXPECT_FALSE(window_.isEnabled());
  Click("cmdGo");
  EXPECT_EQ(window_.Text("txtField"), "initial");
  window_.SetBusy(false);
  EXPECT_TRUE(window_.isEnabled());
  EXPECT_EQ(QApplication::focusWidget(), window_.Control("chkCopy"));
}

}  // namespace
}  // namespace korvel::qt
