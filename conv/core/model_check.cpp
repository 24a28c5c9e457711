#include "conv/core/model_check.h"

#include "common/codepage.h"
#include "conv/core/input/model_text.h"
#include "conv/core/reading/geometry_checks.h"
#include "conv/core/reading/read_model.h"

namespace korvel::conv {
namespace {

const char* ReadingName(Reading reading) { return reading == Reading::kModern ? "modern" : "classic"; }

std::string Json(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      static const char kHex[] = "0123456789abcdef";
      quoted += "\\u00";
      quoted += kHex[(c >> 4) & 0xF];
      quoted += kHex[c & 0xF];
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

std::string JsonOrNull(const std::string& text) { return text.empty() ? "null" : Json(text); }

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

}  // namespace

ModelCheck CheckModel(ModelInput& model, const ConversionOptions& options) {
  RefuseWithoutTables(model, options.reading);
  const auto read = ReadModel(model, options);
  if (read->stop) std::rethrow_exception(read->stop);
  CheckGeometry(*read);
  const ModelTables& tables = read->tables;
  const ModelSurvey& survey = read->survey;
  ModelCheck check;
  check.program = ModelText(survey.program);
  check.version = ModelText(survey.version);
  check.units = ModelText(survey.units);
  check.reading = read->result.reading;
  check.joints = tables.joints.count();
  check.frames = tables.frames.count();
  check.areas = tables.areas.count();
  check.frameSectionCount = tables.frameSections.count();
  check.areaSectionCount = tables.areaSections.count();
  check.leftOut = read->result.leftOut;
  for (int m = 1; m <= tables.frameSections.count(); ++m) {
    const auto index = static_cast<std::size_t>(m);
    check.frameSections.push_back({Cp936ToUtf8ForDisplay(tables.frameSections.Name(m)),
                                   Cp936ToUtf8ForDisplay(survey.frameShapes[index - 1]),
                                   survey.framesPerSection[index]});
  }
  check.unusedJoints = survey.unusedJoints;
  check.warnings = read->result.Listed();
  return check;
}

ModelCheck CheckModelFile(const std::filesystem::path& model, const ConversionOptions& options) {
  ModelFileInput input(model, options.bufferSize);
  ModelCheck check = CheckModel(input, options);
  input.file().CheckUnchanged();
  return check;
}

std::string CheckText(const ModelCheck& check) {
  auto n = [](int count) { return std::to_string(count); };
  std::string text = "写出模型的程序：" + (check.program.empty() ? std::string("（模型未声明）") : check.program);
  if (!check.version.empty()) text += " " + check.version;
  text += "\n单位：" + (check.units.empty() ? std::string("（模型未声明）") : check.units);
  text += std::string("\n读法：") + (check.reading == Reading::kModern ? "新版读法" : "旧版读法");
  text += "\nout.txt 将包含：" + n(check.joints) + " 个节点，" + n(check.frames) + " 个框架单元，" + n(check.areas) +
          " 个面单元，" + n(check.frameSectionCount) + " 个框架截面，" + n(check.areaSectionCount) + " 个面截面";
  if (!check.leftOut.empty()) {
    text += "\n未写入 out.txt：";
    for (std::size_t k = 0; k < check.leftOut.size(); ++k) {
      text += (k > 0 ? "，" : "") + n(check.leftOut[k].count) + " 个" + ElementWord(check.leftOut[k].kind);
    }
  }
  if (!check.frameSections.empty()) text += "\n框架截面（形状，使用它的框架单元数）：";
  for (const ModelCheck::FrameSection& section : check.frameSections) {
    text += "\n  \"" + section.name + "\"  " + (section.shape.empty() ? "（未给出形状）" : section.shape) + "  " +
            n(section.frames);
  }
  text += "\n没有框架单元或面单元使用的节点：" + n(check.unusedJoints) + " 个";
  if (check.warnings.empty()) return text + "\n没有警告\n";
  text += "\n警告：";
  for (const Warning& warning : check.warnings) text += "\n  " + warning.text;
  return text + "\n";
}

std::string CheckJson(const ModelCheck& check) {
  auto n = [](int count) { return std::to_string(count); };
  std::string json = "{\"program\": " + JsonOrNull(check.program) + ", \"version\": " + JsonOrNull(check.version) +
                     ", \"units\": " + JsonOrNull(check.units) + ", \"reading\": \"" + ReadingName(check.reading) +
                     "\",\n \"carried\": {\"joints\": " + n(check.joints) + ", \"frames\": " + n(check.frames) +
                     ", \"areas\": " + n(check.areas) + ", \"frameSections\": " + n(check.frameSectionCount) +
                     ", \"areaSections\": " + n(check.areaSectionCount) + "},\n \"leftOut\": {";
  for (std::size_t k = 0; k < check.leftOut.size(); ++k) {
    json += (k > 0 ? ", " : "") + Json(Lower(check.leftOut[k].kind)) + ": " + n(check.leftOut[k].count);
  }
  json += "},\n \"frameSections\": [";
  for (std::size_t m = 0; m < check.frameSections.size(); ++m) {
    const ModelCheck::FrameSection& section = check.frameSections[m];
    json += std::string(m > 0 ? ",\n   " : "") + "{\"name\": " + Json(section.name) +
            ", \"shape\": " + JsonOrNull(section.shape) + ", \"frames\": " + n(section.frames) + "}";
  }
  json += "],\n \"unusedJoints\": " + n(check.unusedJoints) + ",\n \"warnings\": [";
  for (std::size_t w = 0; w < check.warnings.size(); ++w) {
    const Warning& warning = check.warnings[w];
    json += std::string(w > 0 ? ",\n   " : "") + "{\"kind\": " + Json(warning.kind) +
            ", \"count\": " + n(warning.count) + ", \"first\": " + Json(warning.first) +
            ", \"text\": " + Json(warning.text) + "}";
  }
  return json + "]}\n";
}

}  // namespace korvel::conv
