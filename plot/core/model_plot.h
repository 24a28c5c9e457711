#pragma once
// A picture of a converted model as "out.txt" holds it, on one sheet: an
// axonometric view, the plan and two elevations. Joints are dots, frames
// lines, walls filled quadrilaterals (triangles where Joint4 is 0), coloured
// by section, with a legend of the section names. Elements whose section is
// 0, or whose joints are missing from the joint block, are drawn in a
// warning colour and counted in the legend.

#include <string>

#include "conv/core/outputs/model_file.h"
#include "plot/core/model_source.h"

namespace korvel::plot {

// `source` names the file in the title: UTF-8, or a name in code page 936.
// With `extras` (a model file read in memory), also what out.txt leaves out
// or cannot describe: links, cables and tendons as dashed grey lines, frames
// of sections that are not rectangles in a colour of their own, marks on
// zero-length frames, degenerate areas and coincident joints, and a legend
// of each kind with its count.
std::string ModelSvg(const conv::ModelFile& model, const std::string& source, const ModelExtras* extras = nullptr);

}  // namespace korvel::plot
