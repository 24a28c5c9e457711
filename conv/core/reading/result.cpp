#include "conv/core/reading/result.h"

namespace korvel::conv {
namespace {

std::string Count(int n) { return std::to_string(n); }

std::string DroppedNames(int n) {
  return (n >= SectionNames::kDroppedNamesCounted ? "至少 " : "") + Count(n) + " 个截面名称没有截面号（截面号记为 0）";
}

// A declaration as the model gives it: "SAP2000 11", "CSiBridge 25".
std::string Declared(const std::string& program, int version) {
  return program.empty() ? "SAP2000 " + Count(version) : program;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

std::string ElementWord(const std::string& kind) {
  static const std::pair<const char*, const char*> kWords[] = {
      {"LINK", "连接单元"}, {"SOLID", "实体单元"}, {"CABLE", "索单元"},
      {"TENDON", "钢束"},   {"PLANE", "平面单元"}, {"ASOLID", "轴对称实体单元"},
  };
  for (const auto& [table, word] : kWords) {
    if (kind == table) return word;
  }
  return " " + kind + " 单元";  // after "个", a blank before Latin letters
}

namespace {

std::string LeftOutSentence(const std::vector<LeftOutElements>& leftOut) {
  std::string kinds;
  for (const LeftOutElements& elements : leftOut) {
    if (!kinds.empty()) kinds += "、";
    kinds += Count(elements.count) + " 个" + ElementWord(elements.kind) + "（如 " + Quoted(elements.first) + "）";
  }
  return "模型中有 " + kinds + "未写入 out.txt：out.txt 只包含节点、框架单元和面单元";
}

}  // namespace

std::vector<Warning> ConversionResult::Listed() const {
  std::vector<Warning> warnings;
  auto add = [&](const char* kind, int count, const std::string& first, const std::string& text) {
    warnings.push_back({kind, count, first, text});
  };
  auto suspect = [&](const char* kind, const Suspects& found, const std::string& sentence,
                     const std::string& nextStep = {}) {
    if (found.count > 0) {
      add(kind, found.count, found.first, Count(found.count) + sentence + "（如 " + found.first + "）" + nextStep);
    }
  };
  if (reading == Reading::kClassic && declaredVersion >= kFirstModernVersion) {
    add("classic-reading-of-modern-model", 1, Count(declaredVersion),
        "模型由 " + Declared(declaredProgram, declaredVersion) +
            " 写出，却按旧版读法（--classic）读取：节点坐标、材料强度和截面指定可能不对；去掉 --classic 重新转换");
  }
  if (modernByContent) {
    add("modern-reading-by-content", 1, "",
        "模型文件没有声明 SAP2000 版本，其节点坐标以 XorR=、Y=、Z= 给出（SAP2000 12 及以后的写法），"
        "因此按新版读法读取；如果模型出自更早的版本，请用 korvel convert --classic 按旧版读法转换");
  }
  if (disagreeingVersion != 0) {
    add("disagreeing-declaration", 1, Count(disagreeingVersion),
        "模型先声明 " + Declared(declaredProgram, declaredVersion) + "，后又声明 " +
            Declared(disagreeingProgram, disagreeingVersion) +
            "，已按前一个声明读取；若读法不对，可用 --classic（旧版读法）或 --modern（新版读法）指定");
  }
  if (noElements) add("no-elements", 1, "", "out.txt 中没有单元：模型里既没有框架单元，也没有面单元");
  if (truncated) {
    add("truncated", 1, "", "模型文件超过 " + Count(itemLimit) + " 项，只转换了前 " + Count(itemLimit) + " 项");
  }
  if (droppedFrameSections > 0) {
    add("frame-section-names-dropped", droppedFrameSections, "",
        "框架截面超出容量，" + DroppedNames(droppedFrameSections));
  }
  if (droppedAreaSections > 0) {
    add("area-section-names-dropped", droppedAreaSections, "", "面截面超出容量，" + DroppedNames(droppedAreaSections));
  }
  suspect("joints-without-coordinates", jointsWithoutCoordinates, " 个节点读不到坐标，坐标记为 0");
  suspect("unmatched-assignments", unmatchedAssignments, " 条截面指定找不到对应的单元，没有生效");
  // Only sections that frame elements carry are counted: an unused one changes nothing.
  suspect("sections-without-fc", sectionsWithoutFc, " 个框架截面的混凝土强度 Fc 为 0",
          "，请在 SAP2000 中检查这些截面的混凝土材料");
  suspect("sections-without-rebarfy", sectionsWithoutRebarFy, " 个框架截面的钢筋屈服强度 RebarFy 为 0",
          "，请在 SAP2000 中检查这些截面的钢筋材料");
  suspect("unknown-bars", unknownBars, " 种钢筋名称不在 \"REBAR SIZES\" 表中，BarSize 记为 0");
  suspect("non-numeric-labels", nonNumericLabels, " 个标签不是数字，旧版读法按 0 读取");
  suspect("numbered-names", numberedNames, " 个标签是名称而不是数字，已依次改为大于所有数字标签的整数",
          "，名称与整数的对照见 labels.txt");
  warnings.insert(warnings.end(), repeatedLabels.begin(), repeatedLabels.end());
  suspect("missing-joints", missingJoints, " 个单元引用了不存在的节点");
  suspect("designer-sections", designedSections, " 个框架截面由截面设计器绘制，尺寸和钢筋没有读取",
          "，t2、t3、Cover、BarSize 和钢筋屈服强度 RebarFy 可能为 0");
  suspect("continuation-lines", continuationLines, " 行以 \" _\" 续行，旧版读法把下一行当作单独的记录");
  if (!leftOut.empty()) {
    int count = 0;
    for (const LeftOutElements& elements : leftOut) count += elements.count;
    add("left-out", count, leftOut.front().first, LeftOutSentence(leftOut));
  }
  if (notRectangular.count > 0) {
    add("not-rectangular", notRectangular.count, notRectangular.first,
        Count(notRectangular.count) + " 个框架截面不是矩形（如 " + Quoted(notRectangular.first) +
            "，Shape=" + notRectangularShape + "），用到它们的 " + Count(notRectangularFrames) +
            " 个框架单元在 out.txt 中按 t2 × t3 的矩形写出，截面尺寸不对");
  }
  if (undefinedSections.count > 0) {
    add("undefined-sections", undefinedSections.count, undefinedSections.first,
        Count(undefinedSections.count) + " 个框架截面在模型中没有定义（如 " + Quoted(undefinedSections.first) +
            "），用到它们的 " + Count(undefinedSectionFrames) +
            " 个框架单元在 out.txt 中截面尺寸和强度都为 0：请在模型中定义这些截面，或为这些框架单元指定已有的截面");
  }
  auto withoutSection = [&](const char* kind, const Suspects& found, const char* word) {
    if (found.count == 0) return;
    add(kind, found.count, found.first,
        Count(found.count) + " 个" + word + "没有截面（如 " + Quoted(found.first) + "），在 out.txt 中截面号为 0" +
            // The classic reading numbers an assignment that names no section like a name.
            (reading == Reading::kClassic ? " 或指向名称为空的截面" : "") + "：请在模型中为它们指定截面");
  };
  withoutSection("frame-without-section", framesWithoutSection, "框架单元");
  withoutSection("area-without-section", areasWithoutSection, "面单元");
  if (zeroLengthFrames.count > 0) {
    add("zero-length-frame", zeroLengthFrames.count, zeroLengthFrames.first,
        Count(zeroLengthFrames.count) + " 个框架单元长度为 0（如 " + Quoted(zeroLengthFrames.first) +
            "）：两端是同一个节点或位置重合的节点");
  }
  if (degenerateAreas.count > 0) {
    add("degenerate-area", degenerateAreas.count, degenerateAreas.first,
        Count(degenerateAreas.count) + " 个面单元有重复的角点或面积为 0（如 " + Quoted(degenerateAreas.first) + "）");
  }
  if (coincidentJoints.count > 0) {
    add("coincident-joints", coincidentJoints.count, coincidentJoints.first,
        Count(coincidentJoints.count) + " 个节点与另一个节点位置重合（如 " + Quoted(coincidentJoints.first) + " 与 " +
            Quoted(coincidentWith) + "），两者都有单元相连却不是同一个节点，单元在那里没有连在一起");
  }
  if (unlockedFolder) {
    add("unlocked-folder", 1, "", "当前文件夹所在的文件系统不支持文件锁：在这里同时运行的另一个转换不会被阻止");
  }
  if (toolStartTried && !toolStart.started) {
    const std::string why = toolStart.notFound ? toolStart.problem + "，" + WhereToPut(kToolName)
                                               : std::string("无法启动 ") + kToolName + "（" + toolStart.problem + "）";
    add("tool-not-started", 1, kToolName, "没有生成 data.mfd：" + why);
  }
  return warnings;
}

std::vector<std::string> ConversionResult::Warnings() const {
  std::vector<std::string> texts;
  for (const Warning& warning : Listed()) texts.push_back(warning.text);
  return texts;
}

}  // namespace korvel::conv
