// The texts of the tool set's messages, warnings, pictures and help use the
// glossary's words (README, "术语"): this looks at every string literal of
// the programs' sources for a word the glossary replaces.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Words the glossary replaces, and what is wrong with each.
constexpr const char* kReplaced[][2] = {
    {"框架 ", "框架 alone is the whole structure: 框架单元"},
    {"根框架", "框架单元"},
    {"框架单元行", "框架单元的一行"},
    {"墙板", "面单元, 面截面"},
    {"编号", "标签"},
    {"旧版格式", "旧版读法"},
    {"新版格式", "新版读法"},
    {"第一个：", "（如 X）"},
    {"“", "ASCII double quotes"},
    {"”", "ASCII double quotes"},
    {"warning:", "警告："},
    {"usage:", "用法："},
};

// The folders whose programs show texts; tests, fuzzers and benchmarks show none.
constexpr const char* kFolders[] = {"cli", "common", "conv/core", "pre/core", "run/core", "plot/core", "standins"};

// The lines debug.txt has always held keep their words.
constexpr std::string_view kKeptLines[] = {"读取墙板节点信息", "读取墙板截面信息; ", "未找到墙板单元"};

// The string literals of C++ source text, comments left out.
std::vector<std::string> Literals(const std::string& source) {
  std::vector<std::string> literals;
  for (std::size_t i = 0; i < source.size(); ++i) {
    if (source.compare(i, 2, "//") == 0) {
      i = source.find('\n', i);
      if (i == std::string::npos) break;
    } else if (source[i] == '\'' && (i == 0 || !std::isalnum(static_cast<unsigned char>(source[i - 1])))) {
      // A character literal; after a digit the quote separates digits (1'000).
      i = source.find('\'', i + (source[i + 1] == '\\' ? 3 : 2));
    } else if (source[i] == '"') {
      std::string literal;
      for (++i; i < source.size() && source[i] != '"'; ++i) {
        if (source[i] == '\\') literal += source[i++];
        literal += source[i];
      }
      literals.push_back(literal);
    }
  }
  return literals;
}

TEST(MessageWords, LiteralsAreCollectedWithoutComments) {
  const auto literals = Literals("a(\"框架单元 9\"); // \"墙板\"\nb('\"', \"x\\\"y\");");
  EXPECT_EQ(literals, (std::vector<std::string>{"框架单元 9", "x\\\"y"}));
}

TEST(MessageWords, NoMessageUsesAWordTheGlossaryReplaces) {
  const std::filesystem::path root = KORVEL_SOURCE_DIR;
  int files = 0;
  for (const char* folder : kFolders) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root / folder)) {
      const std::filesystem::path& path = entry.path();
      const std::string relative = path.lexically_relative(root).generic_string();
      if (path.extension() != ".cpp" && path.extension() != ".h") continue;
      if (relative.find("/tests/") != std::string::npos || relative.find("/fuzz/") != std::string::npos) continue;
      ++files;
      std::ifstream in(path, std::ios::binary);
      std::stringstream text;
      text << in.rdbuf();
      for (const std::string& literal : Literals(text.str())) {
        if (std::find(std::begin(kKeptLines), std::end(kKeptLines), literal) != std::end(kKeptLines)) continue;
        for (const auto& [word, instead] : kReplaced) {
          EXPECT_EQ(literal.find(word), std::string::npos)
              << relative << ": \"" << literal << "\" uses " << word << " (" << instead << ")";
        }
      }
    }
  }
  EXPECT_GT(files, 20) << "the sources were not found under " << root;
}

}  // namespace
