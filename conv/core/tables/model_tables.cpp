#include "conv/core/tables/model_tables.h"

namespace korvel::conv {

FrameSectionRow SectionInfo::Row(int number) const {
  FrameSectionRow row = number <= static_cast<int>(rows_.size()) ? rows_[number - 1] : FrameSectionRow{};
  if (designConcrete_) {
    row.fc = (*designConcrete_)[0];
    row.rebarFy = (*designConcrete_)[1];
  }
  return row;
}

FrameSectionRow& SectionInfo::MutableRow(int number) {
  if (number > static_cast<int>(rows_.size())) rows_.resize(number);
  return rows_[number - 1];
}

}  // namespace korvel::conv
