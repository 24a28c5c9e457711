#include "conv/core/outputs/model_file.h"

#include "common/list_lines.h"

namespace korvel::conv {
namespace {

Joint JointLine(ListLines& in) {
  const auto v = in.Numbers<4>("节点的一行");
  return {v[0], v[1], v[2], v[3]};
}

Frame FrameLine(ListLines& in) {
  const auto v = in.Numbers<4>("框架单元的一行");
  return {v[0], v[1], v[2], v[3]};
}

Area AreaLine(ListLines& in) {
  const auto v = in.Numbers<6>("面单元的一行");
  return {.label = v[0], .joints = {v[1], v[2], v[3], v[4]}, .section = v[5]};
}

FrameSectionRow SectionLine(ListLines& in) {
  const auto v = in.Numbers<7>("框架截面数值的一行");
  return {v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
}

}  // namespace

ModelFile ReadModelFile(std::string_view bytes, const std::string& fileName) {
  ListLines in(bytes, "文件", fileName);
  ModelFile model;
  // Lines are read one by one, so a count larger than the file is found
  // wanting at the file's end, not by reserving room for it.
  for (std::size_t n = in.Count("节点数"); n > 0; --n) model.joints.push_back(JointLine(in));
  for (std::size_t n = in.Count("框架单元数"); n > 0; --n) model.frames.push_back(FrameLine(in));
  for (std::size_t n = in.Count("面单元数"); n > 0; --n) model.areas.push_back(AreaLine(in));
  for (std::size_t n = in.Count("框架截面数"); n > 0; --n) {
    std::string name = in.Text("框架截面名称");
    model.frameSections.push_back({std::move(name), SectionLine(in)});
  }
  for (std::size_t n = in.Count("面截面数"); n > 0; --n) model.areaSections.push_back(in.Text("面截面名称"));
  in.ExpectEnd();
  return model;
}

}  // namespace korvel::conv
