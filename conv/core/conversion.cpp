#include "conv/core/conversion.h"

#include <algorithm>
#include <array>
#include <exception>
#include <functional>
#include <memory>
#include <string_view>
#include <thread>

#include "common/error.h"
#include "common/input_file.h"
#include "common/list_writer.h"
#include "common/output_file.h"
#include "common/real_format.h"
#include "common/system_reason.h"
#include "conv/core/list_input.h"
#include "conv/core/model_input.h"
#include "conv/core/outputs.h"
#include "conv/core/progress_log.h"
#include "conv/core/readers.h"
#include "conv/core/section_links.h"
#include "conv/core/warning_text.h"

namespace korvel::conv {
namespace {

// The recognised tables in the order of the title tests and of the readers.
// The classic reading knows the first nine; the modern one all but the first.
enum Table { kDesignConcrete, kSections01, kSections02, kAreaProperties, kJoints, kFrames, kAreas,
             kFrameAssignments, kAreaAssignments, kConcreteData, kRebarData, kBeamSections, kRebarSizes,
             kMaterials, kTableCount };

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
    "MATERIAL PROPERTIES 03B - CONCRETE DATA",
    "MATERIAL PROPERTIES 03E - REBAR DATA",
    "FRAME SECTION PROPERTIES 03 - CONCRETE BEAM",
    "REBAR SIZES",
    "MATERIAL PROPERTIES 01 - GENERAL",
};
constexpr int kClassicTables = kAreaAssignments + 1;

// A header is TABLE:  "TITLE", its title from character 10; the test looks
// there on every line. The classic test compares a prefix; the modern one
// wants the closing quote too, so "AREA SECTION PROPERTIES - BRIDGE OBJECT
// FLAGS" is not taken for "AREA SECTION PROPERTIES".
constexpr std::size_t kTitleCharacter = 10;

class Converter {
 public:
  Converter(Reading reading, int sectionCapacity, ConversionResult& result)
      : reading_(reading),
        rules_{reading, reading == Reading::kModern ? &names_ : nullptr},
        tables_(sectionCapacity),
        result_(result) {}

  void Handle(const ModelLine& line, int lineNumber) {
    const std::string_view bytes = line.bytes();
    bool isData = !bytes.starts_with("TABLE");
    if (line.CharacterCount() < 2) {
      isData = false;
      open_.fill(false);
    }
    OpenTablesTitledIn(line);
    if (!isData) return;
    lineNumber_ = lineNumber;
    bool inTable = false;
    for (int t = 0; t < kTableCount; ++t) {
      if (!open_[t]) continue;
      inTable = true;
      HandleFor(static_cast<Table>(t), line);
    }
    if (inTable && reading_ == Reading::kClassic && ContinuedLines::EndsInContinuation(bytes)) {
      result_.continuationLines.Note([&] { return LineExample(lineNumber); });
    }
  }

  // Work that needs the whole file: the modern reading's assignments and
  // section links.
  void Finish() {
    if (reading_ == Reading::kModern) {
      if (names_.count() > 0) NumberNames();
      result_.numberedNames.count = names_.count();  // names, not the records that hold them
      for (std::size_t i = 0; i < progress_.assignments.size(); ++i) {
        LoggedAssignment& assignment = progress_.assignments[i];
        if (assignment.table == LogEntry::kFrameAssignment) {
          assignment.found = AssignFound(tables_.frames, assignment);
        } else {
          assignment.found = AssignFound(tables_.areas, assignment);
        }
      }
      const UnknownBars unknown = ApplySectionLinks(links_, tables_.frameSections, tables_.sectionInfo);
      result_.unknownBars.count = unknown.count;
      result_.unknownBars.first = ModelText(unknown.first);
      for (int m = 1; m <= tables_.frameSections.count(); ++m) {
        const std::string& name = tables_.frameSections.Name(m);
        if (links_.designed.contains(name)) result_.designedSections.Note([&] { return ModelText(name); });
      }
    }
    for (std::size_t i = 0; i < progress_.assignments.size(); ++i) {
      const LoggedAssignment& assignment = progress_.assignments[i];
      if (assignment.found) continue;
      const bool onFrame = assignment.table == LogEntry::kFrameAssignment;
      result_.unmatchedAssignments.Note([&] { return (onFrame ? "框架 " : "墙板 ") + FormatReal(assignment.label); });
    }
    for (int m = 1; m <= tables_.frameSections.count(); ++m) {
      const FrameSectionRow row = tables_.sectionInfo.Row(m);
      if (row.fc != 0 && row.rebarFy != 0) continue;
      // The designer's sections have their own warning, which says their bars are not read.
      const std::string& name = tables_.frameSections.Name(m);
      if (reading_ == Reading::kModern && (!links_.IsConcrete(name) || links_.designed.contains(name))) continue;
      result_.sectionsWithoutStrength.Note([&] { return ModelText(name); });
    }
    NoteMissingJoints();
    result_.noElements = tables_.frames.count() == 0 && tables_.areas.count() == 0;
    result_.droppedFrameSections = tables_.frameSections.DroppedCount();
    result_.droppedAreaSections = tables_.areaSections.DroppedCount();
  }

  const ModelTables& tables() const { return tables_; }
  const ElementNames& names() const { return names_; }
  const ProgressLog& progress() const { return progress_; }

 private:
  // Gives the names read as marks their numbers, wherever they stand.
  void NumberNames() {
    auto joint = [&](double& label) { label = names_.Final(ElementKind::kJoint, label); };
    tables_.joints.RewriteRows([&](Joint& row) { joint(row.label); });
    tables_.frames.RewriteRows([&](Frame& row) {
      row.label = names_.Final(ElementKind::kFrame, row.label);
      joint(row.jointI);
      joint(row.jointJ);
    });
    tables_.areas.RewriteRows([&](Area& row) {
      row.label = names_.Final(ElementKind::kArea, row.label);
      for (double& corner : row.joints) joint(corner);
    });
    for (std::size_t i = 0; i < progress_.assignments.size(); ++i) {
      LoggedAssignment& assignment = progress_.assignments[i];
      const bool onFrame = assignment.table == LogEntry::kFrameAssignment;
      assignment.label = names_.Final(onFrame ? ElementKind::kFrame : ElementKind::kArea, assignment.label);
    }
  }

  // Elements that name a joint the model does not have. An area's fourth
  // joint 0 is a triangle's missing corner, not a joint.
  void NoteMissingJoints() {
    LabelIndex joints;
    for (int r = 1; r <= tables_.joints.count(); ++r) joints.AddFirst(tables_.joints.Row(r).label, r, r);
    auto note = [&](const char* kind, double element, double joint) {
      result_.missingJoints.Note([&] { return kind + FormatReal(element) + " 的节点 " + FormatReal(joint); });
    };
    for (int r = 1; r <= tables_.frames.count(); ++r) {
      const Frame& frame = tables_.frames.Row(r);
      for (const double joint : {frame.jointI, frame.jointJ}) {
        if (joints.Find(joint)) continue;
        note("框架 ", frame.label, joint);
        break;
      }
    }
    for (int r = 1; r <= tables_.areas.count(); ++r) {
      const Area& area = tables_.areas.Row(r);
      for (std::size_t c = 0; c < area.joints.size(); ++c) {
        if (joints.Find(area.joints[c]) || (c == 3 && area.joints[c] == 0)) continue;
        note("墙板 ", area.label, area.joints[c]);
        break;
      }
    }
  }

  void OpenTablesTitledIn(const ModelLine& line) {
    const std::size_t titleAt = line.OffsetOfCharacter(kTitleCharacter);
    if (titleAt == ModelLine::npos) return;
    const std::string_view title = line.bytes().substr(titleAt);
    const bool modern = reading_ == Reading::kModern;
    for (int t = modern ? 1 : 0; t < (modern ? kTableCount : kClassicTables); ++t) {
      if (title[0] != kTitles[t][0] || !title.starts_with(kTitles[t])) continue;
      if (modern && title.substr(kTitles[t].size(), 1) != "\"") continue;
      open_[t] = true;
    }
  }

  void HandleFor(Table table, const ModelLine& line) {
    const bool modern = reading_ == Reading::kModern;
    switch (table) {
      case kDesignConcrete:
        ReadConcrete(line, tables_.sectionInfo);
        break;
      case kSections01:
        ReadFSectionProp(line, tables_.frameSections, tables_.sectionInfo, rules_);
        if (modern) ReadSectionMaterial(line, links_);
        break;
      case kSections02:
        ReadColumnProp(line, tables_.frameSections, tables_.sectionInfo, rules_);
        if (modern) ReadSectionRebar(line, links_);
        break;
      case kAreaProperties:
        ReadAreaProp(line, tables_.areaSections, rules_);
        break;
      case kJoints: {
        Joint joint;
        const RecordNotes notes = modern ? ReadModernJoint(line, joint, names_) : ReadJoint(line, joint);
        if (notes.coordinatesMissing) {
          result_.jointsWithoutCoordinates.Note(
              [&] { return "节点 " + FormatReal(joint.label) + "，" + LineExample(lineNumber_); });
        }
        AddElement(tables_.joints, joint, LogEntry::kJoint, notes);
        break;
      }
      case kFrames: {
        Frame frame;
        AddElement(tables_.frames, frame, LogEntry::kFrame, ReadFrameCon(line, frame, rules_));
        break;
      }
      case kAreas: {
        Area area;
        AddElement(tables_.areas, area, LogEntry::kArea, ReadAreaCon(line, area, rules_));
        break;
      }
      case kFrameAssignments: {
        SectionAssignment assignment;
        NoteLabel(ReadFrameSection(line, tables_.frameSections, assignment, rules_));
        Assign(tables_.frames, assignment, LogEntry::kFrameAssignment);
        break;
      }
      case kAreaAssignments: {
        SectionAssignment assignment;
        NoteLabel(ReadAreaSection(line, tables_.areaSections, assignment, rules_));
        Assign(tables_.areas, assignment, LogEntry::kAreaAssignment);
        break;
      }
      case kConcreteData:
        ReadConcreteData(line, links_);
        break;
      case kRebarData:
        ReadRebarData(line, links_);
        break;
      case kBeamSections:
        ReadSectionRebar(line, links_);
        break;
      case kRebarSizes:
        ReadRebarSize(line, links_);
        break;
      case kMaterials:
        ReadMaterialType(line, links_);
        break;
      case kTableCount:
        break;
    }
  }

  template <typename Element>
  void AddElement(ElementTable<Element>& table, const Element& element, LogEntry entry, const RecordNotes& notes) {
    table.Add(element);
    progress_.entries.push_back(entry);
    NoteLabel(notes);
  }

  // The modern reading numbers names; the classic one reads them as 0.
  void NoteLabel(const RecordNotes& notes) {
    if (notes.nonNumericLabel.empty()) return;
    Suspects& labels = reading_ == Reading::kModern ? result_.numberedNames : result_.nonNumericLabels;
    labels.Note([&] {
      std::string example = ModelText(notes.nonNumericLabel);
      example.insert(0, 1, '"');
      return example + "\"，" + LineExample(lineNumber_);
    });
  }

  // The classic reading assigns at once, to elements read so far; the modern
  // one once the whole file is read.
  template <typename Element>
  void Assign(ElementTable<Element>& table, const SectionAssignment& assignment, LogEntry entry) {
    LoggedAssignment logged{assignment.label, assignment.section, entry, false};
    if (reading_ == Reading::kClassic) {
      if (const auto row = table.FindFirstRowOrUnfilled(assignment.label)) {
        table.SetSection(*row, assignment.section);
        logged.found = true;
      }
    }
    progress_.entries.push_back(entry);
    progress_.assignments.push_back(logged);
  }

  template <typename Element>
  bool AssignFound(ElementTable<Element>& table, const LoggedAssignment& assignment) {
    const auto row = table.FindFirstRow(assignment.label);
    if (row) table.SetSection(*row, assignment.section);
    return row.has_value();
  }

  Reading reading_;
  ElementNames names_;
  ReadingRules rules_;
  ModelTables tables_;
  ConversionResult& result_;
  SectionLinks links_;
  ProgressLog progress_;
  std::array<bool, kTableCount> open_{};
  int lineNumber_ = 0;
};

// How one reading through the model ended.
enum class Pass { kDone, kReadAgain };

// Reads the model through once with the result's reading. When the reading
// was a guess, it gives way as soon as the model's first declaration asks for
// the other one, so most models are read only once. On an overflow the log
// so far is written and kept by `keepLog` before the error.
Pass ReadThrough(LineSource& modelLines, const std::string& modelName, const ConversionOptions& options, bool guessed,
                 Converter& converter, ConversionResult& result, ListWriter& log,
                 const std::function<void()>& keepLog) {
  DeclarationWatch declaration(modelLines);
  ContinuedLines joinedLines(declaration);
  auto wrongGuess = [&] {
    result.declaredVersion = declaration.version();
    result.disagreeingVersion = declaration.disagreeingVersion();
    return guessed && declaration.found() && ReadingOf(declaration.version()) != result.reading;
  };

  const bool modern = result.reading == Reading::kModern;
  ListInput input(modern ? static_cast<LineSource&>(joinedLines) : declaration,
                  modern ? ListInput::Commas::kKeep : ListInput::Commas::kSplit);
  ModelLine line;
  int lineNumber = 0;
  try {
    for (int items = 0; items < options.itemLimit && !input.AtEnd(); ++items) {
      const ListItem item = input.Next();
      lineNumber = item.line;
      line.Assign(item.text);
      converter.Handle(line, lineNumber);
      if (wrongGuess()) return Pass::kReadAgain;
    }
  } catch (const OverflowError& e) {
    declaration.ReadToDeclaration();
    if (wrongGuess()) return Pass::kReadAgain;
    converter.Finish();
    WriteProgressLines(log, converter.progress(), converter.tables());
    keepLog();
    throw LineError("模型文件", modelName, lineNumber, e.what());
  }
  result.truncated = !input.AtEnd();
  declaration.ReadToDeclaration();
  return wrongGuess() ? Pass::kReadAgain : Pass::kDone;
}

// Reads the whole model as its first declaration (or the choice) asks.
std::unique_ptr<Converter> ReadModel(ModelInput& model, const ConversionOptions& options, ConversionResult& result,
                                     ListWriter& log, const std::function<void()>& keepLog) {
  const bool guessed = options.reading == ReadingChoice::kFromModel;
  result.reading = options.reading == ReadingChoice::kModern ? Reading::kModern : Reading::kClassic;
  if (guessed) result.reading = ReadingOf(model.DeclaredInTail());
  result.itemLimit = options.itemLimit;
  auto converter = std::make_unique<Converter>(result.reading, options.sectionCapacity, result);
  if (ReadThrough(model.FromStart(), model.name(), options, guessed, *converter, result, log, keepLog) ==
      Pass::kReadAgain) {
    const int declared = result.declaredVersion;
    result = ConversionResult{};
    result.reading = ReadingOf(declared);
    result.itemLimit = options.itemLimit;
    converter = std::make_unique<Converter>(result.reading, options.sectionCapacity, result);
    ReadThrough(model.FromStart(), model.name(), options, false, *converter, result, log, keepLog);
  }
  converter->Finish();
  return converter;
}

// A table model has a line that starts a table; a binary file, an empty one,
// the keyword format of SAP2000 6 to 8 or an ETABS model has none.
void RefuseWithoutTables(ModelInput& model) {
  if (model.StartsATable()) return;
  throw FileError("模型文件", model.name(),
                  "不是 SAP2000 文本模型（或是 SAP2000 9 以前的格式），其中没有一行以 TABLE: 开始");
}

// A conversion without names leaves no labels.txt of an earlier one behind.
void RemoveLabelFile() {
  std::error_code failed;
  std::filesystem::remove(kLabelFileName, failed);
  if (failed) throw FileError("无法删除文件", kLabelFileName, SystemReason(failed.value()));
}

}  // namespace

ConversionResult SAP2KREAD(const std::filesystem::path& model, const ConversionOptions& options) {
  ModelFileInput input(model, options.bufferSize);  // before any file is touched
  RefuseOutputAsModel(input.file());
  RefuseWithoutTables(input);
  OutputFile logFile(kProgressLogName, OutputFile::Mode::kWriteInPlace);
  ListWriter log(logFile);
  ConversionResult result;
  const auto converter = ReadModel(input, options, result, log, [&] {
    log.Flush();
    logFile.Commit();
  });
  input.file().CheckUnchanged();

  // out.txt is written on a second core while the log is completed; it
  // replaces the old file only once the log is complete, as if written after.
  const ModelTables& tables = converter->tables();
  std::unique_ptr<OutputFile> modelFile;
  std::exception_ptr modelFailure;
  std::thread modelWriter([&] {
    try {
      modelFile = WriteModelFile(kModelFileName, tables);
    } catch (...) {
      modelFailure = std::current_exception();
    }
  });
  std::unique_ptr<OutputFile> labelFile;
  try {
    WriteProgressLines(log, converter->progress(), tables);
    WriteSectionDump(log, tables);
    log.Flush();
    if (converter->names().count() > 0) labelFile = WriteLabelFile(kLabelFileName, converter->names());
  } catch (...) {
    modelWriter.join();
    throw;
  }
  modelWriter.join();
  if (modelFailure) std::rethrow_exception(modelFailure);
  modelFile->Commit();
  if (labelFile) {
    labelFile->Commit();
  } else {
    RemoveLabelFile();
  }
  logFile.Commit();
  result.unlockedFolder = !logFile.locked();

  if (options.startTool) {
    result.toolStartTried = true;
    result.toolStart = StartProgram(kToolName, {});
  }
  return result;
}

ConversionResult ConvertInMemory(std::string_view model, const ConversionOptions& options, ConvertedFiles& files) {
  ModelTextInput input(model, "model.s2k");
  RefuseWithoutTables(input);
  ListWriter log;
  ConversionResult result;
  const auto converter = ReadModel(input, options, result, log, [&] { files.log = log.Lines(); });
  WriteProgressLines(log, converter->progress(), converter->tables());
  WriteSectionDump(log, converter->tables());
  files.log = log.Lines();
  ListWriter modelLines;
  WriteModelLines(modelLines, converter->tables());
  files.model = modelLines.Lines();
  return result;
}

}  // namespace korvel::conv
