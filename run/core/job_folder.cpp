#include "run/core/job_folder.h"

#include <filesystem>
#include <system_error>

#include "common/error.h"
#include "common/output_file.h"
#include "ui/form/form.h"

namespace korvel::run {

std::optional<std::string> JobOutsideWorkingFolder(const std::string& chosenFile) {
  const std::filesystem::path folder = form::PathOfText(chosenFile).parent_path();
  if (folder.empty()) return std::nullopt;
  std::error_code missing;
  const std::filesystem::path working = std::filesystem::current_path(missing);
  if (missing) return kCurrentFolderMissing;
  // The same folder on disk, which no comparison of the spellings can tell.
  std::error_code unknown;
  if (std::filesystem::equivalent(folder, working, unknown)) return std::nullopt;
  return "作业文件必须在工作文件夹中：求解程序在工作文件夹中运行，读取那里的 matcode0.txt。\n\n作业文件所在的文件夹：" +
         DisplayName(std::filesystem::absolute(folder, unknown).lexically_normal()) + "\n工作文件夹：" +
         DisplayName(working) + "\n\n请把作业文件放到工作文件夹中再运行。";
}

}  // namespace korvel::run
