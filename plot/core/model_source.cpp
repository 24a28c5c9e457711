#include "plot/core/model_source.h"

#include "conv/core/reading/geometry_checks.h"
#include "conv/core/reading/read_model.h"
#include "conv/core/tables/label_index.h"

namespace korvel::plot {

bool IsTableModel(std::string_view bytes) {
  conv::ModelTextInput input(bytes, "");
  return conv::HasTables(input, conv::ReadingChoice::kModern);
}

std::pair<conv::ModelFile, ModelExtras> ReadModelForPicture(std::string_view bytes, const std::string& name,
                                                            int itemLimit) {
  conv::ModelTextInput input(bytes, name);
  conv::RefuseWithoutTables(input, conv::ReadingChoice::kFromModel);
  conv::ConversionOptions options;
  options.keepPlaces = true;
  options.itemLimit = itemLimit;
  const auto read = conv::ReadModel(input, options);
  if (read->stop) std::rethrow_exception(read->stop);
  conv::CheckGeometry(*read);
  const conv::ModelTables& tables = read->tables;
  conv::ModelFile model;
  conv::LabelIndex joints;
  for (int r = 1; r <= tables.joints.count(); ++r) {
    model.joints.push_back(tables.joints.Row(r));
    joints.AddFirst(tables.joints.Row(r).label, r, r);
  }
  for (int r = 1; r <= tables.frames.count(); ++r) model.frames.push_back(tables.frames.Row(r));
  for (int r = 1; r <= tables.areas.count(); ++r) model.areas.push_back(tables.areas.Row(r));
  for (int m = 1; m <= tables.frameSections.count(); ++m) {
    model.frameSections.push_back({tables.frameSections.Name(m), tables.sectionInfo.Row(m)});
  }
  for (int m = 1; m <= tables.areaSections.count(); ++m) model.areaSections.push_back(tables.areaSections.Name(m));

  const conv::ModelSurvey& survey = read->survey;
  const conv::ConversionResult& result = read->result;
  ModelExtras extras;
  for (const conv::LeftOutElements& kind : result.leftOut) {
    extras.leftOut.push_back({conv::ElementWord(kind.kind), kind.count});
  }
  auto at = [&](double label) -> std::optional<conv::ModelPoint> {
    const auto row = joints.Find(label);
    if (!row) return std::nullopt;
    const conv::Joint& joint = tables.joints.Row(*row);
    return conv::ModelPoint{joint.x, joint.y, joint.z};
  };
  for (const conv::LeftOutLine& line : survey.leftOutLines) {
    const auto from = at(line.jointI), to = at(line.jointJ);
    if (from && to) extras.leftOutLines.push_back({line.kind, *from, *to});
  }
  for (const std::string& shape : survey.frameShapes) {
    extras.notRectangular.push_back(!shape.empty() && shape != "Rectangular");
  }
  extras.zeroLength = survey.zeroLengthAt;
  extras.degenerate = survey.degenerateAt;
  extras.coincident = survey.coincidentAt;
  return {std::move(model), std::move(extras)};
}

}  // namespace korvel::plot
