#include "pre/window/section_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "common/error.h"
#include "common/window/controls.h"
#include "common/window/paths.h"
#include "common/window/twips.h"
#include "pre/core/matcode_file.h"
#include "pre/core/section_fields.h"
#include "pre/window/section_key.h"

namespace korvel::pre {
namespace {

using window::TwipsRect;

struct FieldPlace {
  const char* caption;
  int left, top, labelWidth;
};

// Field k + 1: caption, field position in twips and caption width.
constexpr FieldPlace kPlaces[kFieldCount] = {
    {"截面X方向长度", 1920, 240, 1215},     {"截面Y方向长度", 1920, 720, 1215},
    {"截面弹性模量", 1920, 1200, 1215},     {"保护层厚度", 1920, 1680, 1215},
    {"核心区混凝土fc", 1920, 2160, 1455},   {"核心区混凝土eps0", 1920, 2640, 1575},
    {"核心区混凝土sigu", 1920, 3120, 1575}, {"核心区混凝土epsu", 1920, 3600, 1575},
    {"保护层混凝土fc", 4920, 2160, 1455},   {"保护层混凝土eps0", 4920, 2640, 1575},
    {"保护层混凝土sigu", 4920, 3120, 1575}, {"保护层混凝土epsu", 4920, 3600, 1575},
    {"核心区混凝土E0", 1920, 4080, 1575},   {"保护层混凝土E0", 4920, 4080, 1575},
    {"钢筋1 Es", 1920, 4560, 1575},         {"钢筋1 fy", 4920, 4560, 1575},
    {"钢筋1 As", 7920, 4560, 975},          {"钢筋2 Es", 1920, 5040, 1575},
    {"钢筋2 fy", 4920, 5040, 1575},         {"钢筋2 As", 7920, 5040, 975},
    {"钢筋3 Es", 1920, 5520, 1575},         {"钢筋3 fy", 4920, 5520, 1575},
    {"钢筋3 As", 7920, 5520, 975},          {"钢筋4 Es", 1920, 6000, 1575},
    {"钢筋4 fy", 4920, 6000, 1575},         {"钢筋4 As", 7920, 6000, 1095},
};

// The caption column sits 1680 twips left of its field column.
constexpr int kLabelOffset = 1680;

// The check box copies Text5..Text8 into Text9..Text12 and Text13 into Text14.
constexpr std::pair<int, int> kCopies[] = {{5, 9}, {6, 10}, {7, 11}, {8, 12}, {13, 14}};

}  // namespace

SectionWindow::SectionWindow(QWidget* parent) : QWidget(parent) {
  setObjectName("frmMain");
  setWindowTitle(QString::fromUtf8("KORVEL前处理"));
  window::SetClientSize(*this, 9570, 7620);

  for (int k = 0; k < kFieldCount; ++k) {
    const FieldPlace& place = kPlaces[k];
    auto* label = new QLabel(QString::fromUtf8(place.caption), this);
    label->setObjectName(QString("Label%1").arg(k + 1));
    label->setGeometry(TwipsRect(place.left - kLabelOffset, place.top + 120, place.labelWidth, 255));
    fields_[k] = new QLineEdit("0", this);
    fields_[k]->setObjectName(QString("Text%1").arg(k + 1));
    fields_[k]->setGeometry(TwipsRect(place.left, place.top, 975, 375));
    label->setBuddy(fields_[k]);
  }

  copyCheck_ = new QCheckBox(QString::fromUtf8("同核心区混凝土"), this);
  copyCheck_->setObjectName("Check1");
  copyCheck_->setGeometry(TwipsRect(3360, 1560, 2055, 375));
  copyCheck_->setChecked(false);

  okButton_ = window::AddButton(this, "cmdOK", "OK", TwipsRect(2760, 6720, 1335, 495));
  endButton_ = window::AddButton(this, "cmdEnd", "End", TwipsRect(5400, 6720, 1335, 495));

  auto* key = new QLabel(this);
  key->setObjectName("Image1");
  key->setPixmap(DrawSectionKey());
  key->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  key->setGeometry(TwipsRect(6360, 120, 3045, 3600));

  QWidget* previous = fields_[0];
  for (int k = 1; k < kFieldCount; ++k) {
    setTabOrder(previous, fields_[k]);
    previous = fields_[k];
  }
  setTabOrder(previous, okButton_);
  setTabOrder(okButton_, endButton_);
  setTabOrder(endButton_, copyCheck_);
  fields_[0]->setFocus();

  reportError = [this](const QString& text) {
    QMessageBox::warning(this, windowTitle(), text);
  };
  connect(copyCheck_, &QCheckBox::clicked, this, &SectionWindow::CopyCoreToCover);
  connect(okButton_, &QPushButton::clicked, this, &SectionWindow::WriteMaterialCodeFile);
  connect(endButton_, &QPushButton::clicked, this, &QWidget::close);
}

void SectionWindow::CopyCoreToCover() {
  for (const auto& [from, to] : kCopies) fields_[to - 1]->setText(fields_[from - 1]->text());
}

void SectionWindow::WriteMaterialCodeFile() {
  SectionTexts texts;
  for (int k = 0; k < kFieldCount; ++k) texts[k] = fields_[k]->text().toStdString();
  try {
    Write_File(SectionFromTexts(texts));
  } catch (const FieldOverflow& e) {
    const int k = e.field() - 1;
    reportError(QString::fromUtf8("“%1”（Text%2）中的数值超出了双精度数的范围：%3\n\nmatcode0.txt 没有改动。")
                    .arg(QString::fromUtf8(kPlaces[k].caption))
                    .arg(e.field())
                    .arg(fields_[k]->text()));
  } catch (const OverflowError&) {
    reportError(QString::fromUtf8("截面计算的结果超出了双精度数的范围，请检查尺寸和保护层厚度。\n\nmatcode0.txt 没有改动。"));
  } catch (const Error& e) {
    reportError(window::FromUtf8(e.what()) + QString::fromUtf8("\n\nmatcode0.txt 没有改动。"));
  }
}

}  // namespace korvel::pre
