#include "standins/plakon/model_listing.h"

#include <cmath>

#include "common/codepage.h"
#include "common/real_format.h"

namespace korvel::standins {
namespace {

// An element line quotes the beginning of its section's name only, so that a
// long name shared by many elements does not fill memory with copies; the
// section list holds it whole.
constexpr std::size_t kNameInElementLine = 40;

std::string ShortName(const std::string& name) { return Shortened(name, kNameInElementLine, Encoding::kCp936, "..."); }

// The section's name by its number, as the model file numbers it.
template <typename Names, typename NameOf>
std::string SectionOf(double number, const Names& names, NameOf nameOf) {
  if (number == 0) return "(none)";
  if (number < 1 || number > static_cast<double>(names.size()) || number != std::floor(number)) {
    return "(unknown " + FormatReal(number) + ")";
  }
  return FormatReal(number) + " \"" + ShortName(nameOf(names[static_cast<std::size_t>(number) - 1])) + "\"";
}

class Listing {
 public:
  Listing& operator<<(std::string_view text) {
    text_ += text;
    return *this;
  }
  Listing& operator<<(double value) {
    AppendReal(text_, value);
    return *this;
  }
  void End() { text_ += "\r\n"; }
  std::string text_;
};

}  // namespace

std::string ModelListing(const conv::ModelFile& model) {
  auto frameName = [](const conv::ModelFile::FrameSection& s) -> const std::string& { return s.name; };
  auto areaName = [](const std::string& s) -> const std::string& { return s; };
  Listing out;
  out << "KORVEL model listing (Plakon.exe stand-in)";
  out.End();
  out << "Joints: " << static_cast<double>(model.joints.size());
  out.End();
  for (const conv::Joint& j : model.joints) {
    out << "  joint " << j.label << "  x=" << j.x << "  y=" << j.y << "  z=" << j.z;
    out.End();
  }
  out << "Frame elements: " << static_cast<double>(model.frames.size());
  out.End();
  for (const conv::Frame& f : model.frames) {
    out << "  frame " << f.label << "  joints " << f.jointI << " " << f.jointJ << "  section "
        << SectionOf(f.section, model.frameSections, frameName);
    out.End();
  }
  out << "Wall elements: " << static_cast<double>(model.areas.size());
  out.End();
  for (const conv::Area& a : model.areas) {
    out << "  wall " << a.label << "  joints " << a.joints[0] << " " << a.joints[1] << " " << a.joints[2] << " "
        << a.joints[3] << "  section " << SectionOf(a.section, model.areaSections, areaName);
    out.End();
  }
  out << "Frame sections: " << static_cast<double>(model.frameSections.size());
  out.End();
  for (std::size_t m = 0; m < model.frameSections.size(); ++m) {
    const auto& [name, row] = model.frameSections[m];
    out << "  " << static_cast<double>(m + 1) << " \"" << name << "\"  Fc=" << row.fc << "  RebarFy=" << row.rebarFy
        << "  t2=" << row.t2 << "  t3=" << row.t3 << "  Cover=" << row.cover << "  BarSize=" << row.barSize;
    out.End();
  }
  out << "Wall sections: " << static_cast<double>(model.areaSections.size());
  out.End();
  for (std::size_t m = 0; m < model.areaSections.size(); ++m) {
    out << "  " << static_cast<double>(m + 1) << " \"" << model.areaSections[m] << "\"";
    out.End();
  }
  return out.text_;
}

}  // namespace korvel::standins
