#include "conv/core/outputs/output_files.h"

#include <iterator>
#include <optional>

#include "common/codepage.h"
#include "common/error.h"
#include "common/file_state.h"

namespace korvel::conv {
namespace {

// The messages of the progress log, in code page 936 as they are written.
struct ProgressMessages {
  std::string joint, frame, area, frameSection, areaSection, frameNotFound, areaNotFound;
};

const ProgressMessages& Messages() {
  static const ProgressMessages messages{
      Utf8ToCp936("读取节点坐标"),        // reading joint coordinates
      Utf8ToCp936("读取框架节点信息"),    // reading frame joints
      Utf8ToCp936("读取墙板节点信息"),    // reading wall panel joints
      Utf8ToCp936("读取框架截面信息"),    // reading frame sections
      Utf8ToCp936("读取墙板截面信息; "),  // reading wall panel sections
      Utf8ToCp936("未找到框架单元"),      // no frame element with this label
      Utf8ToCp936("未找到墙板单元"),      // no wall panel with this label
  };
  return messages;
}

// The column maps of both files, in one place. Elements name their joints by
// label; an area's thickness goes to the log only, its section to out.txt only.
void ElementItems(ListWriter& out, const Joint& joint) {
  out.Real(joint.label).Real(joint.x).Real(joint.y).Real(joint.z);
}

void ElementItems(ListWriter& out, const Frame& frame) { out.Real(frame.label).Real(frame.jointI).Real(frame.jointJ); }

void ElementItems(ListWriter& out, const Area& area) {
  out.Real(area.label);
  for (double joint : area.joints) out.Real(joint);
}

void SectionNumbers(ListWriter& out, const FrameSectionRow& row) {
  out.Real(row.number).Real(row.fc).Real(row.rebarFy).Real(row.t2).Real(row.t3).Real(row.cover).Real(row.barSize);
}

// A product file written as a whole, to replace the old one when committed.
template <typename WriteLines>
std::unique_ptr<OutputFile> WriteListFile(const std::filesystem::path& file, WriteLines writeLines) {
  auto target = std::make_unique<OutputFile>(file, OutputFile::Mode::kReplaceWhenDone);
  ListWriter out(*target);
  writeLines(out);
  out.Flush();
  return target;
}

}  // namespace

void RefuseOutputAsModel(const std::filesystem::path& folder, const InputFile& model) {
  std::optional<FileState> states[std::size(kOutputNames)];
  for (std::size_t i = 0; i < std::size(kOutputNames); ++i) {
    const char* output = kOutputNames[i];
    states[i] = StateOfFile(folder / output);
    if (states[i] && states[i]->SameFileAs(model.opened())) {
      model.Fail(std::string("与转换要写入的 \"") + output +
                 "\" 是同一个文件，转换会把模型覆盖掉；请把模型另存为别的名称（如 model.s2k），或删除指向模型的链接");
    }
  }
  for (std::size_t i = 0; i < std::size(kOutputNames); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (!states[i] || !states[j] || !states[i]->SameFileAs(*states[j])) continue;
      throw FileError("无法写入文件", DisplayName(folder / kOutputNames[i]),
                      std::string("与 \"") + kOutputNames[j] +
                          "\" 是同一个文件（链接或硬链接），转换会用一个覆盖另一个；请删除其中的链接再转换");
    }
  }
}

void WriteProgressLines(ListWriter& log, const ProgressLog& progress, const ModelTables& tables) {
  const ProgressMessages& say = Messages();
  int joint = 0, frame = 0, area = 0;
  std::size_t assignments = 0;
  for (std::size_t i = 0; i < progress.entries.size(); ++i) {
    const LogEntry entry = progress.entries[i];
    switch (entry) {
      case LogEntry::kJoint:
        ElementItems(log.Text(say.joint), tables.joints.Row(++joint));
        break;
      case LogEntry::kFrame:
        ElementItems(log.Text(say.frame), tables.frames.Row(++frame));
        break;
      case LogEntry::kArea:
        ElementItems(log.Text(say.area), tables.areas.Row(++area));
        log.Real(tables.areas.Row(area).thickness);
        break;
      case LogEntry::kFrameAssignment:
      case LogEntry::kAreaAssignment: {
        const bool onFrame = entry == LogEntry::kFrameAssignment;
        const LoggedAssignment& assignment = progress.assignments[assignments++];
        if (!assignment.found) {
          log.Text(onFrame ? say.frameNotFound : say.areaNotFound);
        } else {
          log.Text(onFrame ? say.frameSection : say.areaSection);
        }
        log.Real(assignment.label).Real(assignment.section);
        break;
      }
    }
    log.EndLine();
  }
}

void WriteSectionDump(ListWriter& log, const ModelTables& tables) {
  for (int m = 1; m <= tables.frameSections.count(); ++m) {
    SectionNumbers(log, tables.sectionInfo.Row(m));
    log.EndLine();
  }
}

void WriteModelLines(ListWriter& out, const ModelTables& tables) {
  out.Count(tables.joints.count()).EndLine();
  for (int r = 1; r <= tables.joints.count(); ++r) {
    ElementItems(out, tables.joints.Row(r));
    out.EndLine();
  }
  out.Count(tables.frames.count()).EndLine();
  for (int r = 1; r <= tables.frames.count(); ++r) {
    ElementItems(out, tables.frames.Row(r));
    out.Real(tables.frames.Row(r).section).EndLine();
  }
  out.Count(tables.areas.count()).EndLine();
  for (int r = 1; r <= tables.areas.count(); ++r) {
    ElementItems(out, tables.areas.Row(r));
    out.Real(tables.areas.Row(r).section).EndLine();
  }
  // The section counts are held as numbers, unlike the element counts.
  out.Real(tables.frameSections.count()).EndLine();
  for (int m = 1; m <= tables.frameSections.count(); ++m) {
    out.Text(tables.frameSections.Name(m)).EndLine();
    SectionNumbers(out, tables.sectionInfo.Row(m));
    out.EndLine();
  }
  out.Real(tables.areaSections.count()).EndLine();
  for (int m = 1; m <= tables.areaSections.count(); ++m) out.Text(tables.areaSections.Name(m)).EndLine();
}

std::unique_ptr<OutputFile> WriteModelFile(const std::filesystem::path& file, const ModelTables& tables) {
  return WriteListFile(file, [&](ListWriter& out) { WriteModelLines(out, tables); });
}

namespace {

// labels.txt is read by spreadsheets and CSV readers: a double quote inside
// a name is written doubled ("B""1"), unlike in out.txt.
std::string QuoteDoubled(std::string_view name) {
  std::string doubled;
  doubled.reserve(name.size());
  for (const char c : name) {
    doubled += c;
    if (c == '"') doubled += '"';
  }
  return doubled;
}

}  // namespace

void WriteLabelLines(ListWriter& out, const ElementNames& names) {
  constexpr std::pair<ElementKind, const char*> kKinds[] = {
      {ElementKind::kJoint, "joint"}, {ElementKind::kFrame, "frame"}, {ElementKind::kArea, "area"}};
  for (const auto& [kind, word] : kKinds) {
    const std::deque<std::string>& named = names.Names(kind);
    for (std::size_t n = 1; n <= named.size(); ++n) {
      out.Text(word).Text(QuoteDoubled(named[n - 1])).Real(names.NumberOf(kind, n)).EndLine();
    }
  }
}

std::unique_ptr<OutputFile> WriteLabelFile(const std::filesystem::path& file, const ElementNames& names) {
  return WriteListFile(file, [&](ListWriter& out) { WriteLabelLines(out, names); });
}

}  // namespace korvel::conv
