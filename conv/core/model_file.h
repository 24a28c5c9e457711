#pragma once
// The model file "out.txt" as the converter writes it, read back strictly:
// every count followed by that many lines, CR LF line ends, quoted names.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace korvel::conv {

struct ModelFile {
  std::vector<std::array<double, 4>> joints;  // label, X, Y, Z
  std::vector<std::array<double, 4>> frames;  // label, JointI, JointJ, section
  std::vector<std::array<double, 6>> areas;   // label, Joint1..Joint4, section
  struct FrameSection {
    std::string name;
    std::array<double, 7> values;  // number, Fc, RebarFy, t2, t3, Cover, BarSize
  };
  std::vector<FrameSection> frameSections;
  std::vector<std::string> areaSections;
};

// The largest out.txt a reader takes whole: a model of a million elements
// writes some 60 MB.
inline constexpr std::size_t kModelFileLimit = std::size_t{1} << 30;

// Throws Error naming the line of the first thing that does not fit.
ModelFile ReadModelFile(std::string_view bytes, const std::string& fileName = "out.txt");

}  // namespace korvel::conv
