#include "conv/core/conversion.h"

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
             kTableCount };

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
        keyPlace_(reading == Reading::kModern ? KeyPlace::kWholeKey : KeyPlace::kAnywhere),
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
      result_.sectionsWithoutStrength.Note([&] { return ModelText(tables_.frameSections.Name(m)); });
    }
    result_.droppedFrameSections = tables_.frameSections.DroppedCount();
    result_.droppedAreaSections = tables_.areaSections.DroppedCount();
  }

  const ModelTables& tables() const { return tables_; }
  const ProgressLog& progress() const { return progress_; }

 private:
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
        ReadFSectionProp(line, tables_.frameSections, tables_.sectionInfo, keyPlace_);
        if (modern) ReadSectionMaterial(line, links_);
        break;
      case kSections02:
        ReadColumnProp(line, tables_.frameSections, tables_.sectionInfo, keyPlace_);
        if (modern) ReadSectionRebar(line, links_);
        break;
      case kAreaProperties:
        ReadAreaProp(line, tables_.areaSections);
        break;
      case kJoints: {
        Joint joint;
        const RecordNotes notes = modern ? ReadModernJoint(line, joint) : ReadJoint(line, joint);
        if (notes.coordinatesMissing) {
          result_.jointsWithoutCoordinates.Note(
              [&] { return "节点 " + FormatReal(joint.label) + "，" + LineExample(lineNumber_); });
        }
        AddElement(tables_.joints, joint, LogEntry::kJoint, notes);
        break;
      }
      case kFrames: {
        Frame frame;
        AddElement(tables_.frames, frame, LogEntry::kFrame, ReadFrameCon(line, frame));
        break;
      }
      case kAreas: {
        Area area;
        AddElement(tables_.areas, area, LogEntry::kArea, ReadAreaCon(line, area));
        break;
      }
      case kFrameAssignments: {
        SectionAssignment assignment;
        NoteLabel(ReadFrameSection(line, tables_.frameSections, assignment));
        Assign(tables_.frames, assignment, LogEntry::kFrameAssignment);
        break;
      }
      case kAreaAssignments: {
        SectionAssignment assignment;
        NoteLabel(ReadAreaSection(line, tables_.areaSections, assignment));
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

  void NoteLabel(const RecordNotes& notes) {
    if (notes.nonNumericLabel.empty()) return;
    result_.nonNumericLabels.Note([&] {
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
  KeyPlace keyPlace_;  // how the properties' keys match
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

  ListInput input(result.reading == Reading::kModern ? static_cast<LineSource&>(joinedLines) : declaration);
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
    throw LineError("模型文件 \"" + modelName + "\"", lineNumber, e.what());
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

}  // namespace

ConversionResult SAP2KREAD(const std::filesystem::path& model, const ConversionOptions& options) {
  ModelFileInput input(model, options.bufferSize);  // before any file is touched
  OutputFile logFile(kProgressLogName, OutputFile::Mode::kWriteInPlace);
  ListWriter log(logFile);
  ConversionResult result;
  const auto converter = ReadModel(input, options, result, log, [&] {
    log.Flush();
    logFile.Commit();
  });

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
  try {
    WriteProgressLines(log, converter->progress(), tables);
    WriteSectionDump(log, tables);
    log.Flush();
  } catch (...) {
    modelWriter.join();
    throw;
  }
  modelWriter.join();
  if (modelFailure) std::rethrow_exception(modelFailure);
  modelFile->Commit();
  logFile.Commit();

  if (options.startTool) {
    result.toolStartTried = true;
    result.toolStart = StartProgram(kToolName, {});
  }
  return result;
}

ConversionResult ConvertInMemory(std::string_view model, const ConversionOptions& options, ConvertedFiles& files) {
  ModelTextInput input(model, "model.s2k");
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
