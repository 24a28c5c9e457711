#include "conv/core/conversion_result.h"

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

}  // namespace

std::vector<std::string> ConversionResult::Warnings() const {
  std::vector<std::string> warnings;
  auto suspect = [&](const Suspects& found, const std::string& sentence, const std::string& nextStep = {}) {
    if (found.count > 0) warnings.push_back(Count(found.count) + sentence + "（如 " + found.first + "）" + nextStep);
  };
  if (reading == Reading::kClassic && declaredVersion >= kFirstModernVersion) {
    warnings.push_back("模型由 " + Declared(declaredProgram, declaredVersion) +
                       " 写出，却按旧版读法（--classic）读取：节点坐标、材料强度和截面指定可能不对；"
                       "去掉 --classic 重新转换");
  }
  if (modernByContent) {
    warnings.push_back(
        "模型文件没有声明 SAP2000 版本，其节点坐标以 XorR=、Y=、Z= 给出（SAP2000 12 及以后的写法），"
        "因此按新版读法读取；如果模型出自更早的版本，请用 korvel convert --classic 按旧版读法转换");
  }
  if (disagreeingVersion != 0) {
    warnings.push_back("模型先声明 " + Declared(declaredProgram, declaredVersion) + "，后又声明 " +
                       Declared(disagreeingProgram, disagreeingVersion) +
                       "，已按前一个声明读取；若读法不对，可用 --classic（旧版读法）或 --modern（新版读法）指定");
  }
  if (noElements) warnings.push_back("out.txt 中没有单元：模型里既没有框架单元，也没有面单元");
  if (truncated) {
    warnings.push_back("模型文件超过 " + Count(itemLimit) + " 项，只转换了前 " + Count(itemLimit) + " 项");
  }
  if (droppedFrameSections > 0) {
    warnings.push_back("框架截面超出容量，" + DroppedNames(droppedFrameSections));
  }
  if (droppedAreaSections > 0) {
    warnings.push_back("面截面超出容量，" + DroppedNames(droppedAreaSections));
  }
  suspect(jointsWithoutCoordinates, " 个节点读不到坐标，坐标记为 0");
  suspect(unmatchedAssignments, " 条截面指定找不到对应的单元，没有生效");
  // Only sections that frame elements carry are counted: an unused one changes nothing.
  suspect(sectionsWithoutFc, " 个框架截面的混凝土强度 Fc 为 0", "，请在 SAP2000 中检查这些截面的混凝土材料");
  suspect(sectionsWithoutRebarFy, " 个框架截面的钢筋屈服强度 RebarFy 为 0", "，请在 SAP2000 中检查这些截面的钢筋材料");
  suspect(unknownBars, " 种钢筋名称不在 \"REBAR SIZES\" 表中，BarSize 记为 0");
  suspect(nonNumericLabels, " 个标签不是数字，旧版读法按 0 读取");
  suspect(numberedNames, " 个标签是名称而不是数字，已依次改为大于所有数字标签的整数",
          "，名称与整数的对照见 labels.txt");
  warnings.insert(warnings.end(), repeatedLabels.begin(), repeatedLabels.end());
  suspect(missingJoints, " 个单元引用了不存在的节点");
  suspect(designedSections, " 个框架截面由截面设计器绘制，尺寸和钢筋没有读取",
          "，t2、t3、Cover、BarSize 和钢筋屈服强度 RebarFy 可能为 0");
  suspect(continuationLines, " 行以 \" _\" 续行，旧版读法把下一行当作单独的记录");
  if (unlockedFolder) {
    warnings.push_back("当前文件夹所在的文件系统不支持文件锁：在这里同时运行的另一个转换不会被阻止");
  }
  if (toolStartTried && !toolStart.started) {
    const std::string why = toolStart.notFound ? toolStart.problem + "，" + WhereToPut(kToolName)
                                               : std::string("无法启动 ") + kToolName + "（" + toolStart.problem + "）";
    warnings.push_back("没有生成 data.mfd：" + why);
  }
  return warnings;
}

}  // namespace korvel::conv
