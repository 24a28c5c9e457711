#include "common/list_writer.h"

#include "common/output_file.h"
#include "common/real_format.h"

namespace korvel {
namespace {
constexpr std::size_t kFlushSize = 1 << 16;
}

void ListWriter::BeginItem() {
  if (lineOpen_) pending_ += ',';
  lineOpen_ = true;
}

ListWriter& ListWriter::Text(std::string_view bytes) {
  BeginItem();
  pending_ += '"';
  pending_ += bytes;
  pending_ += '"';
  return *this;
}

ListWriter& ListWriter::Count(long long value) {
  BeginItem();
  pending_ += std::to_string(value);
  return *this;
}

ListWriter& ListWriter::Real(double value) {
  BeginItem();
  AppendReal(pending_, value);
  return *this;
}

void ListWriter::EndLine() {
  pending_ += "\r\n";
  lineOpen_ = false;
  if (file_ && pending_.size() >= kFlushSize) Flush();
}

void ListWriter::Flush() {
  if (!file_) return;
  file_->Write(pending_);
  pending_.clear();
}

}  // namespace korvel
