// korvel run as a process, the way scripts use it.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "common/tests/recording_program.h"
#include "common/tests/temp_folder.h"

namespace korvel::cli {
namespace {

using test_support::RecordingProgram;
using test_support::TempFolder;

const std::string kSource = KORVEL_SOURCE_DIR;

class KorvelCommand : public ::testing::Test {
 protected:
  // Runs korvel in the test's folder; standard output and error are kept.
  int Korvel(const std::string& args, const std::string& input = "", const std::string& program = KORVEL_BINARY) {
    folder_.Write(".stdin", input);
    const std::string command =
        "cd '" + folder_.path().string() + "' && '" + program + "' " + args + " <.stdin >.stdout 2>.stderr";
    const int status = std::system(command.c_str());
    std::filesystem::remove(folder_.Path(".stdin"));
    out_ = folder_.Read(".stdout");
    err_ = folder_.Read(".stderr");
    std::filesystem::remove(folder_.Path(".stdout"));
    std::filesystem::remove(folder_.Path(".stderr"));
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  TempFolder folder_;
  std::string out_, err_;
};

TEST_F(KorvelCommand, PreWritesTheSameBytesAsTheWindow) {
  EXPECT_EQ(Korvel("pre '" + kSource + "/examples/column-400x600.section'"), 0) << err_;
  EXPECT_EQ(folder_.Read("matcode0.txt"),
            TempFolder::ReadFile(kSource + "/pre/tests/golden/worked-example.matcode0.txt"));
}

TEST_F(KorvelCommand, PreReadsStandardInputAndCountsMissingNamesAsZero) {
  EXPECT_EQ(Korvel("pre -", "LengthX=400\nLengthY=600\n"), 0) << err_;
  EXPECT_TRUE(folder_.Read("matcode0.txt").starts_with("1\r\n600,400,0\r\n"));
}

TEST_F(KorvelCommand, PreOverflowLeavesTheOldFile) {
  folder_.Write("matcode0.txt", "old");
  EXPECT_EQ(Korvel("pre -", "Cover=1e400\n"), 1);
  EXPECT_NE(err_.find("第 1 行：Cover 的数值"), std::string::npos) << err_;
  EXPECT_EQ(folder_.Read("matcode0.txt"), "old");
}

// What cannot be a section file is refused by name, and matcode0.txt stays.
TEST_F(KorvelCommand, PreRefusesWhatIsNoSectionFile) {
  folder_.Write("matcode0.txt", "old");
  std::filesystem::create_directory(folder_.Path("folder"));
  ASSERT_EQ(mkfifo(folder_.Path("pipe").c_str(), 0600), 0);
  folder_.Write("empty", "");
  folder_.Write("comments", "# a section\n\n   \n");
  const std::string huge = "LengthX=1\n" + std::string(2 << 20, '#');
  folder_.Write("huge", huge);
  for (const char* name : {"folder", "pipe", "empty", "comments", "huge", "missing"}) {
    EXPECT_EQ(Korvel(std::string("pre ") + name), 1) << name;
    EXPECT_NE(err_.find(name), std::string::npos) << err_;
    EXPECT_EQ(err_.find('\n'), err_.size() - 1) << "one line: " << err_;
  }
  EXPECT_EQ(Korvel("pre -", ""), 1) << "nothing on standard input";
  EXPECT_EQ(Korvel("pre -", huge), 1);
  EXPECT_EQ(err_, "korvel: 无法读取截面文件 \"<标准输入>\"：文件太大（超过 1048576 字节）\n");
  EXPECT_EQ(folder_.Read("matcode0.txt"), "old");
  folder_.Write("full", huge.substr(0, 1 << 20));
  EXPECT_EQ(Korvel("pre full"), 0) << "1 MB is not more than 1 MB: " << err_;
}

TEST_F(KorvelCommand, ConvertWritesTheSameBytesAsTheLibrary) {
  const std::string model = kSource + "/conv/tests/models/frame-and-wall";
  EXPECT_EQ(Korvel("convert --no-tool '" + model + "/model.s2k'"), 0) << err_;
  EXPECT_EQ(folder_.Read("out.txt"), TempFolder::ReadFile(model + "/out.txt"));
  EXPECT_EQ(folder_.Read("debug.txt"), TempFolder::ReadFile(model + "/debug.txt"));
  // The model continues a record on the next line, which the classic reading splits.
  EXPECT_EQ(err_, "korvel: 警告：1 行以 \" _\" 续行，旧版读法把下一行当作单独的记录（如 第 11 行）\n");
  EXPECT_FALSE(folder_.Has("data.mfd"));
}

TEST_F(KorvelCommand, ConvertStartsTheToolBesideIt) {
  EXPECT_EQ(Korvel("convert '" + kSource + "/examples/two-storey-frame.s2k'"), 0) << err_;
  for (int i = 0; i < 500 && !folder_.Has("data.mfd"); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_TRUE(folder_.Read("data.mfd").starts_with("KORVEL model listing")) << "the Plakon.exe stand-in ran";
}

TEST_F(KorvelCommand, ConvertOverflowNamesTheLineAndKeepsOutTxt) {
  folder_.Write("out.txt", "old");
  folder_.Write("m.s2k", "TABLE:  \"CONNECTIVITY - FRAME\"\r\n   Frame=1   JointI=1e400   JointJ=2 \r\n");
  EXPECT_EQ(Korvel("convert --no-tool m.s2k"), 1);
  EXPECT_NE(err_.find("第 2 行"), std::string::npos) << err_;
  EXPECT_EQ(folder_.Read("out.txt"), "old");
}

// The files written stay; the status and the warning say that data.mfd was
// not made and where Plakon.exe is looked for.
TEST_F(KorvelCommand, ConvertWarnsAboutAMissingToolWithItsOwnStatus) {
  TempFolder alone;
  std::filesystem::copy_file(KORVEL_BINARY, alone.Path("korvel"));
  folder_.Write("m.s2k", "TABLE:  \"PROGRAM CONTROL\"\r\n");
  RecordingProgram unrelated("unrelated");
  EXPECT_EQ(Korvel("convert m.s2k", "", alone.Path("korvel").string()), 3);
  EXPECT_EQ(err_,
            "korvel: 警告：out.txt 中没有单元：模型里既没有框架单元，也没有面单元\n"
            "korvel: 警告：没有生成 data.mfd：找不到 Plakon.exe，请把 Plakon.exe 放在本程序所在的文件夹（\"" +
                alone.path().string() + "\"）或 PATH 列出的某个文件夹中\n");
  EXPECT_TRUE(folder_.Has("out.txt") && folder_.Has("debug.txt"));
}

TEST_F(KorvelCommand, ConvertNamesAToolThatCannotBeExecuted) {
  TempFolder alone;
  std::filesystem::copy_file(KORVEL_BINARY, alone.Path("korvel"));
  alone.Write("Plakon.exe", "#!/bin/sh\n");  // there, but without execute permission
  folder_.Write("m.s2k", "TABLE:  \"PROGRAM CONTROL\"\r\n");
  EXPECT_EQ(Korvel("convert m.s2k", "", alone.Path("korvel").string()), 3);
  EXPECT_NE(
      err_.find("没有生成 data.mfd：无法启动 Plakon.exe（\"" + alone.Path("Plakon.exe").string() + "\" 没有执行权限）"),
      std::string::npos)
      << err_;
}

TEST_F(KorvelCommand, RunStartsTheSolverWithTheJobName) {
  TempFolder alone;
  std::filesystem::copy_file(KORVEL_BINARY, alone.Path("korvel"));
  RecordingProgram solver("korvel_2005r2_027.exe");
  EXPECT_EQ(Korvel("run 'my job.dat'", "", alone.Path("korvel").string()), 0) << err_;
  const std::string record = solver.WaitForRecord();
  EXPECT_EQ(record.substr(record.find('\n') + 1), "[-j]\n[my job]\n");
  EXPECT_EQ(Korvel("run a.d", "", alone.Path("korvel").string()), 1);
  EXPECT_EQ(Korvel("run '" + alone.Path("job.dat").string() + "'", "", alone.Path("korvel").string()), 1);
  EXPECT_NE(err_.find("作业文件必须在工作文件夹中"), std::string::npos) << err_;
}

// The solver stand-in beside korvel reads JOB.dat and matcode0.txt and writes JOB.log.
TEST_F(KorvelCommand, SolverStandInWritesTheJobLog) {
  const std::string solver = (std::filesystem::path(KORVEL_BINARY).parent_path() / "korvel_2005r2_027.exe").string();
  folder_.Write("frame1.dat", "job");
  EXPECT_EQ(Korvel("-j frame1", "", solver), 1) << "no matcode0.txt yet";
  EXPECT_EQ(Korvel("pre '" + kSource + "/examples/column-400x600.section'"), 0) << err_;
  EXPECT_EQ(Korvel("-j frame1", "", solver), 0) << err_;
  EXPECT_TRUE(
      folder_.Read("frame1.log").starts_with("KORVEL solver stand-in\r\nJob: frame1 (frame1.dat, 3 bytes)\r\n"));
}

TEST_F(KorvelCommand, RunSaysWhereToPutAMissingSolver) {
  TempFolder alone;
  std::filesystem::copy_file(KORVEL_BINARY, alone.Path("korvel"));
  RecordingProgram unrelated("unrelated");
  EXPECT_EQ(Korvel("run frame1.dat", "", alone.Path("korvel").string()), 1);
  EXPECT_EQ(err_,
            "korvel: 无法启动求解程序（korvel_2005r2_027.exe -j frame1）：找不到 korvel_2005r2_027.exe；请把 "
            "korvel_2005r2_027.exe 放在本程序所在的文件夹（\"" +
                alone.path().string() + "\"）或 PATH 列出的某个文件夹中\n");
}

TEST_F(KorvelCommand, PlotDrawsTheFilesOfTheCurrentFolder) {
  EXPECT_EQ(Korvel("pre '" + kSource + "/examples/column-400x600.section'"), 0) << err_;
  EXPECT_EQ(Korvel("plot section"), 0) << err_;
  EXPECT_TRUE(folder_.Read("matcode0.svg").ends_with("</svg>\n"));
  EXPECT_EQ(Korvel("convert --no-tool '" + kSource + "/conv/tests/models/frame-and-wall/model.s2k'"), 0) << err_;
  EXPECT_EQ(Korvel("plot model out.txt -o pictures.svg"), 0) << err_;
  EXPECT_NE(folder_.Read("pictures.svg").find("class=\"wall s1\""), std::string::npos);
  EXPECT_FALSE(folder_.Has("model.svg"));
}

TEST_F(KorvelCommand, PlotOfAMalformedFileNamesTheLineAndLeavesNoPicture) {
  folder_.Write("out.txt", "1\r\n1,0,0\r\n");
  EXPECT_EQ(Korvel("plot model"), 1);
  EXPECT_NE(err_.find("文件 \"out.txt\" 第 2 行"), std::string::npos) << err_;
  EXPECT_EQ(err_.find('\n'), err_.size() - 1) << "one line";
  EXPECT_EQ(Korvel("plot section missing.txt"), 1);
  EXPECT_NE(err_.find("missing.txt"), std::string::npos) << err_;
  EXPECT_EQ(Korvel("plot model other.txt"), 1);
  EXPECT_EQ(err_, "korvel: 无法读取文件 \"other.txt\"：文件不存在，请先用 TRELVO 或 korvel convert 转换模型\n");
  EXPECT_EQ(folder_.Names(), std::vector<std::string>{"out.txt"});
  EXPECT_EQ(Korvel("plot"), 2);
  EXPECT_EQ(Korvel("plot model -o"), 2);
}

TEST_F(KorvelCommand, PlotWritesToStandardOutputOnRequest) {
  EXPECT_EQ(Korvel("pre '" + kSource + "/examples/column-400x600.section'"), 0) << err_;
  for (const char* output : {"-", "/dev/stdout"}) {
    EXPECT_EQ(Korvel(std::string("plot section -o ") + output), 0) << err_;
    EXPECT_TRUE(out_.starts_with("<?xml") && out_.ends_with("</svg>\n")) << output;
  }
  EXPECT_EQ(folder_.Names(), std::vector<std::string>{"matcode0.txt"});
}

// A picture never replaces the file it draws or a file of the tool set.
TEST_F(KorvelCommand, PlotRefusesToWriteOverItsInputOrAToolSetFile) {
  EXPECT_EQ(Korvel("convert --no-tool '" + kSource + "/conv/tests/models/frame-and-wall/model.s2k'"), 0) << err_;
  folder_.Write("data.mfd", "listing");
  const std::string out = folder_.Read("out.txt");
  std::filesystem::create_symlink("out.txt", folder_.Path("view.svg"));
  for (const char* output : {"out.txt", "./debug.txt", "data.mfd", "labels.txt", "matcode0.txt", "view.svg"}) {
    EXPECT_EQ(Korvel(std::string("plot model -o ") + output), 1) << output;
    EXPECT_NE(err_.find(std::string("\"") + output + "\""), std::string::npos) << err_;
  }
  EXPECT_EQ(Korvel("plot section out.txt -o out.txt"), 1);
  EXPECT_EQ(folder_.Read("out.txt"), out);
  EXPECT_EQ(folder_.Read("data.mfd"), "listing");
  EXPECT_FALSE(folder_.Has("labels.txt") || folder_.Has("matcode0.txt"));
}

// A current folder removed under korvel, and a lack of memory, are said in
// the tool set's words, never in the library's English.
TEST_F(KorvelCommand, MissingCurrentFolderAndLackOfMemoryAreSaidInChinese) {
  std::filesystem::create_directory(folder_.Path("gone"));
  const std::string errors = folder_.Path("errors").string();
  const std::string inGone = "cd '" + folder_.Path("gone").string() + "' && rmdir ../gone && '" + KORVEL_BINARY +
                             "' run sub/x.dat 2>'" + errors + "'; '" + KORVEL_BINARY + "' convert m.s2k 2>>'" + errors +
                             "'";
  const int status = std::system(inGone.c_str());
  EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
  const std::string said = folder_.Read("errors");
  EXPECT_NE(said.find("korvel: 找不到当前的工作文件夹"), std::string::npos) << said;
  EXPECT_NE(said.find("\"m.s2k\"：找不到当前的工作文件夹"), std::string::npos) << said;
  EXPECT_EQ(said.find("filesystem"), std::string::npos) << said;

  // AddressSanitizer reserves far more address space than any limit leaves.
#if defined(__SANITIZE_ADDRESS__)
  return;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  return;
#endif
#endif
  folder_.Write("huge.txt", "");
  std::filesystem::resize_file(folder_.Path("huge.txt"), std::uintmax_t{800} << 20);  // sparse
  EXPECT_EQ(Korvel("--version >/dev/null && ulimit -v 300000 && '" + std::string(KORVEL_BINARY) +
                   "' plot model huge.txt -o huge.svg"),
            1);
  EXPECT_NE(err_.find("korvel: 内存不足"), std::string::npos) << err_;
}

// Usage errors name what is wrong, in Chinese, before the command's help.
TEST_F(KorvelCommand, UsageErrorsHelpAndVersion) {
  EXPECT_EQ(Korvel(""), 2);
  const std::pair<const char*, const char*> wrong[] = {
      {"frobnicate", "没有 \"frobnicate\" 这个命令"},
      {"pre", "pre 需要一个截面文件"},
      {"pre a b", "多出了 \"b\""},
      {"convert --fast m.s2k", "convert 命令没有 \"--fast\" 这个选项"},
      {"convert --classic --modern m.s2k", "--classic 和 --modern 只能给出一个"},
      {"convert a.s2k b.s2k", "多出了 \"b.s2k\""},
      {"run", "run 需要一个作业文件"},
      {"plot view", "而不是 \"view\""},
      {"plot model -x", "plot 命令没有 \"-x\" 这个选项"},
  };
  for (const auto& [args, named] : wrong) {
    EXPECT_EQ(Korvel(args), 2) << args;
    EXPECT_TRUE(err_.starts_with("korvel: ")) << err_;
    EXPECT_NE(err_.substr(0, err_.find('\n')).find(named), std::string::npos) << err_;
    EXPECT_NE(err_.find("用法：korvel"), std::string::npos) << "the help follows: " << err_;
  }
  EXPECT_EQ(Korvel("--help"), 0);
  EXPECT_NE(out_.find("用法：korvel"), std::string::npos);
  EXPECT_EQ(Korvel("convert --help"), 0);
  EXPECT_NE(out_.find("--no-tool"), std::string::npos);
  EXPECT_EQ(Korvel("--version"), 0);
  EXPECT_TRUE(out_.starts_with("korvel ")) << out_;
  const std::string helpToFullDisk = std::string("'") + KORVEL_BINARY + "' --help >/dev/full 2>/dev/null";
  EXPECT_EQ(std::system(helpToFullDisk.c_str()) >> 8, 1) << "help that could not be written";
}

// korvel check: 0 without a warning, 2 with warnings, 1 when the model
// cannot be read; nothing written either way.
TEST_F(KorvelCommand, CheckTellsWhatAConversionWouldAndWritesNothing) {
  const std::string models = kSource + "/conv/tests/models/";
  EXPECT_EQ(Korvel("check --json '" + models + "modern-left-out-and-geometry/model.s2k'"), 2) << err_;
  for (const char* part :
       {"\"program\": \"SAP2000\", \"version\": \"16.0.0\", \"units\": \"KN, m, C\"",
        "\"carried\": {\"joints\": 9, \"frames\": 6, \"areas\": 4, \"frameSections\": 4",
        "\"leftOut\": {\"link\": 3, \"solid\": 1}", "{\"name\": \"UNUSED\", \"shape\": \"Circle\", \"frames\": 0}",
        "\"unusedJoints\": 1", "{\"kind\": \"coincident-joints\", \"count\": 1, \"first\": \"7\""}) {
    EXPECT_NE(out_.find(part), std::string::npos) << part << "\n" << out_;
  }
  EXPECT_EQ(Korvel("check '" + kSource + "/examples/two-storey-frame.s2k'"), 0) << out_;
  EXPECT_NE(out_.find("没有警告"), std::string::npos) << out_;
  EXPECT_EQ(Korvel("check --classic '" + models + "quirks/model.s2k'"), 2);
  EXPECT_NE(out_.find("读法：旧版读法"), std::string::npos) << out_;
  EXPECT_EQ(Korvel("check missing.s2k"), 1);
  EXPECT_TRUE(folder_.Names().empty()) << "check writes nothing";
}

// A model file given to plot is read in memory and what out.txt leaves out drawn.
TEST_F(KorvelCommand, PlotOfAModelFileDrawsWhatOutTxtLeavesOut) {
  EXPECT_EQ(Korvel("plot model '" + kSource + "/conv/tests/models/modern-left-out-and-geometry/model.s2k' -o -"), 0)
      << err_;
  auto count = [&](const std::string& what) {
    int n = 0;
    for (std::size_t at = out_.find(what); at != std::string::npos; at = out_.find(what, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(count("class=\"left-out\"/>"), 4 * (2 + 1) + 2) << "three links in four views, a swatch per kind";
  EXPECT_EQ(count("class=\"frame not-rectangular\"/>"), 4 * 2 + 1) << "the circle and the I section, a swatch";
  EXPECT_EQ(count("<circle") - count("<circle cx=\"1188"), 4 * (2 + 1 + 1))
      << "two zero-length frames, one joint, a dashed ring for the link between two joints at one place";
  EXPECT_EQ(count("<circle cx=\"") - count("class=\"zero-length\"/>") - count("class=\"coincident\"/>"), 4)
      << "the ring of that link in each view";
  EXPECT_NE(out_.find("3 个连接单元（未写入 out.txt）"), std::string::npos);
  EXPECT_NE(out_.find("1 个实体单元（未写入 out.txt）"), std::string::npos);
  EXPECT_NE(out_.find("2 个有重复角点或面积为 0 的面单元"), std::string::npos);
}

}  // namespace
}  // namespace korvel::cli
