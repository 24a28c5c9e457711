#include "conv/core/conversion_result.h"

namespace korvel::conv {
namespace {

std::string Count(int n) { return std::to_string(n); }

std::string DroppedNames(int n) {
  return (n >= SectionNames::kDroppedNamesCounted ? "至少 " : "") + Count(n) + " 个名称未编号（截面号记为 0）";
}

// A declaration as the model gives it: "SAP2000 11", "CSiBridge 25".
std::string Declared(const std::string& program, int version) {
  return program.empty() ? "SAP2000 " + Count(version) : program;
}

}  // namespace

std::vector<std::string> ConversionResult::Warnings() const {
  std::vector<std::string> warnings;
  auto suspect = [&](const Suspects& found, const std::string& sentence) {
    if (found.count > 0) warnings.push_back(Count(found.count) + sentence + "（第一个：" + found.first + "）");
  };
  if (reading == Reading::kClassic && declaredVersion >= kFirstModernVersion) {
    warnings.push_back("模型由 " + Declared(declaredProgram, declaredVersion) +
                       " 写出，却按旧版格式读取：节点坐标、材料强度和截面指定可能不对");
  }
  if (modernByContent) {
    warnings.push_back(
        "模型文件没有声明 SAP2000 版本，其节点坐标以 XorR=、Y=、Z= 给出（SAP2000 12 及以后的写法），"
        "因此按新版读法读取；如果模型出自更早的版本，请用 korvel convert --classic 按旧版读法转换");
  }
  if (disagreeingVersion != 0) {
    warnings.push_back("模型先声明 " + Declared(declaredProgram, declaredVersion) + "，后又声明 " +
                       Declared(disagreeingProgram, disagreeingVersion) + "：按第一个声明读取");
  }
  if (noElements) warnings.push_back("out.txt 中没有单元：模型里没有框架，也没有墙板");
  if (truncated) {
    warnings.push_back("模型文件超过 " + Count(itemLimit) + " 项，只转换了前 " + Count(itemLimit) + " 项");
  }
  if (droppedFrameSections > 0) {
    warnings.push_back("框架截面名称超过容量，" + DroppedNames(droppedFrameSections));
  }
  if (droppedAreaSections > 0) {
    warnings.push_back("墙板截面名称超过容量，" + DroppedNames(droppedAreaSections));
  }
  suspect(jointsWithoutCoordinates, " 个节点读不到坐标，坐标记为 0");
  suspect(unmatchedAssignments, " 条截面指定找不到对应的单元，没有生效");
  suspect(sectionsWithoutStrength, " 个框架截面的 Fc 或 RebarFy 为 0");
  suspect(unknownBars, " 种钢筋名称不在 \"REBAR SIZES\" 表中，BarSize 记为 0");
  suspect(nonNumericLabels, " 个编号不是数字，按 0 读取");
  suspect(numberedNames, " 个编号是名称而不是数字，已编为大于数字编号的整数，名称与编号的对照见 labels.txt");
  warnings.insert(warnings.end(), repeatedLabels.begin(), repeatedLabels.end());
  suspect(missingJoints, " 个单元引用了不存在的节点");
  suspect(designedSections,
          " 个框架截面由截面设计器绘制，尺寸和钢筋未读取（t2、t3、Cover、BarSize 和 RebarFy 可能为 0）");
  suspect(continuationLines, " 行以 \" _\" 续行，旧版读法把下一行当作单独的记录");
  if (unlockedFolder) {
    warnings.push_back("当前文件夹所在的文件系统不支持文件锁：同时在这里运行的另一个转换不会被阻止");
  }
  if (toolStartTried && !toolStart.started) {
    warnings.push_back(std::string("无法启动 ") + kToolName + "：" + toolStart.problem);
  }
  return warnings;
}

}  // namespace korvel::conv
