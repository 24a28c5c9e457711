#pragma once
// Colours of the pictures: distinct, printable, and a warning colour that
// none of them resembles.

#include <array>
#include <string_view>

namespace korvel::plot {

inline constexpr std::array<std::string_view, 12> kPalette = {"#1f77b4", "#2ca02c", "#ff7f0e", "#9467bd",
                                                              "#8c564b", "#17becf", "#bcbd22", "#7f7f7f",
                                                              "#e377c2", "#393b79", "#637939", "#8c6d31"};
inline constexpr std::string_view kWarningColour = "#e60000";

// The colour of the n-th thing (from 0).
inline std::string_view PaletteColour(int n) { return kPalette[static_cast<std::size_t>(n) % kPalette.size()]; }

}  // namespace korvel::plot
