#include "conv/core/conversion.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <string_view>

#include "common/error.h"
#include "common/list_writer.h"
#include "common/output_file.h"
#include "common/system_reason.h"
#include "conv/core/list_input.h"
#include "conv/core/outputs.h"
#include "conv/core/progress_messages.h"
#include "conv/core/readers.h"

namespace korvel::conv {
namespace {

// The recognised tables in the order of the title tests and of the readers.
enum Table { kConcrete, kSections01, kSections02, kAreaProperties, kJoints, kFrames, kAreas,
             kFrameAssignments, kAreaAssignments, kTableCount };

constexpr std::array<std::string_view, kTableCount> kTitles = {
    "MATERIAL PROPERTIES 04 - DESIGN CONCRETE",
    "FRAME SECTION PROPERTIES 01 - GENERAL",
    "FRAME SECTION PROPERTIES 02 - CONCRETE COLUMN",
    "AREA SECTION PROPERTIES",
    "JOINT COORDINATES",
    "CONNECTIVITY - FRAME",
    "CONNECTIVITY - AREA",
    "FRAME SECTION ASSIGNMENTS",
    "AREA SECTION ASSIGNMENTS",
};

// A header is TABLE:  "TITLE", its title from character 10; the test looks
// there on every line and compares a prefix.
constexpr std::size_t kTitleCharacter = 10;

std::string ReadModel(const std::filesystem::path& model) {
  const std::string name = DisplayName(model);
  if (model.empty()) throw Error("没有给出模型文件的名称");
  auto fail = [&](int error) -> Error {
    return Error("无法读取模型文件 \"" + name + "\"：" + SystemReason(error));
  };
  std::error_code ignored;
  if (std::filesystem::is_directory(model, ignored)) throw fail(EISDIR);
#ifdef _WIN32
  std::FILE* file = _wfopen(model.c_str(), L"rb");
#else
  std::FILE* file = std::fopen(model.c_str(), "rb");
#endif
  if (!file) throw fail(errno);
  std::string bytes;
  char buffer[1 << 16];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  const bool failed = std::ferror(file);
  const int error = errno;
  std::fclose(file);
  if (failed) throw fail(error);
  return bytes;
}

class Converter {
 public:
  Converter(const ConversionOptions& options, ListWriter& log)
      : tables_(options.sectionCapacity), log_(log) {}

  void Handle(const ModelLine& line) {
    const std::string_view bytes = line.bytes();
    bool isData = !bytes.starts_with("TABLE");
    if (line.CharacterCount() < 2) {
      isData = false;
      open_.fill(false);
    }
    const std::size_t titleAt = line.OffsetOfCharacter(kTitleCharacter);
    if (titleAt != ModelLine::npos) {
      for (int t = 0; t < kTableCount; ++t) {
        if (bytes.substr(titleAt).starts_with(kTitles[t])) open_[t] = true;
      }
    }
    if (!isData) return;
    for (int t = 0; t < kTableCount; ++t) {
      if (open_[t]) HandleFor(static_cast<Table>(t), line);
    }
  }

  const ModelTables& tables() const { return tables_; }

 private:
  void HandleFor(Table table, const ModelLine& line) {
    const ProgressMessages& say = Messages();
    switch (table) {
      case kConcrete:
        ReadConcrete(line, tables_.sectionInfo);
        break;
      case kSections01:
        ReadFSectionProp(line, tables_.frameSections, tables_.sectionInfo);
        break;
      case kSections02:
        ReadColumnProp(line, tables_.frameSections, tables_.sectionInfo);
        break;
      case kAreaProperties:
        ReadAreaProp(line, tables_.areaSections);
        break;
      case kJoints: {
        JointInfo info{};
        ReadJoint(line, info);
        AddElement(tables_.joints, say.joint, info);
        break;
      }
      case kFrames: {
        FrameInfo info{};
        ReadFrameCon(line, info);
        AddElement(tables_.frames, say.frame, info);
        break;
      }
      case kAreas: {
        AreaInfo info{};
        ReadAreaCon(line, info);
        AddElement(tables_.areas, say.area, info);
        break;
      }
      case kFrameAssignments: {
        FrameSectionInfo info{};
        ReadFrameSection(line, tables_.frameSections, info);
        Assign(tables_.frames, info[0], info[3], say.frameSection, say.frameNotFound);
        break;
      }
      case kAreaAssignments: {
        AreaSectionInfo info{};
        ReadAreaSection(line, tables_.areaSections, info);
        Assign(tables_.areas, info[0], info[6], say.areaSection, say.areaNotFound);
        break;
      }
      case kTableCount:
        break;
    }
  }

  template <std::size_t N>
  void AddElement(ElementTable& table, const std::string& message, const std::array<double, N>& info) {
    table.AddRow(info);
    log_.Text(message);
    for (double value : info) log_.Real(value);
    log_.EndLine();
  }

  // The first row holding the label receives the section number.
  void Assign(ElementTable& table, double label, double section, const std::string& message,
              const std::string& notFound) {
    const auto row = table.FindFirstRow(label);
    if (!row) {
      log_.Text(notFound).Real(label).Real(section).EndLine();
      return;
    }
    table.SetSection(*row, section);
    log_.Text(message).Real(table.At(*row, 0)).Real(table.SectionOf(*row)).EndLine();
  }

  ModelTables tables_;
  ListWriter& log_;
  std::array<bool, kTableCount> open_{};
};

}  // namespace

std::vector<std::string> ConversionResult::Warnings() const {
  std::vector<std::string> warnings;
  if (truncated) {
    warnings.push_back("模型文件超过 " + std::to_string(itemLimit) + " 项，只转换了前 " +
                       std::to_string(itemLimit) + " 项");
  }
  if (droppedFrameSections > 0) {
    warnings.push_back("框架截面名称超过容量，" + std::to_string(droppedFrameSections) + " 个名称未编号（截面号记为 0）");
  }
  if (droppedAreaSections > 0) {
    warnings.push_back("墙板截面名称超过容量，" + std::to_string(droppedAreaSections) + " 个名称未编号（截面号记为 0）");
  }
  if (toolStartTried && !toolStart.started) {
    warnings.push_back(std::string("无法启动 ") + kToolName + "：" + toolStart.problem);
  }
  return warnings;
}

ConversionResult SAP2KREAD(const std::filesystem::path& model, const ConversionOptions& options) {
  const std::string bytes = ReadModel(model);
  OutputFile logFile(kProgressLogName, OutputFile::Mode::kWriteInPlace);
  ListWriter log(logFile);
  Converter converter(options, log);
  ConversionResult result;
  result.itemLimit = options.itemLimit;

  ListInput input(bytes);
  ModelLine line;
  int lineNumber = 0;
  try {
    for (int items = 0; items < options.itemLimit && !input.AtEnd(); ++items) {
      const ListItem item = input.Next();
      lineNumber = item.line;
      line.Assign(item.text);
      converter.Handle(line);
    }
  } catch (const OverflowError& e) {
    log.Flush();
    logFile.Commit();
    throw Error("模型文件 \"" + DisplayName(model) + "\" 第 " + std::to_string(lineNumber) + " 行：" + e.what());
  }
  result.truncated = !input.AtEnd();

  const ModelTables& tables = converter.tables();
  WriteSectionDump(log, tables);
  log.Flush();
  WriteModelFile(kModelFileName, tables);
  logFile.Commit();
  result.droppedFrameSections = tables.frameSections.DroppedCount();
  result.droppedAreaSections = tables.areaSections.DroppedCount();

  if (options.startTool) {
    result.toolStartTried = true;
    result.toolStart = StartProgram(kToolName, {});
  }
  return result;
}

}  // namespace korvel::conv
