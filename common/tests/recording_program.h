#pragma once
// A stand-in program for start tests (POSIX): a script on a private PATH that
// records the folder it ran in and each argument, one per line.

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "common/tests/temp_folder.h"

namespace korvel::test_support {

class RecordingProgram {
 public:
  explicit RecordingProgram(const std::string& name) : oldPath_(std::getenv("PATH") ? std::getenv("PATH") : "") {
    const std::string record = folder_.Path("record").string();
    folder_.Write(name, "#!/bin/sh\n{ pwd; for a in \"$@\"; do echo \"[$a]\"; done; } > \"" + record +
                            ".tmp\"\n/bin/mv \"" + record + ".tmp\" \"" + record + "\"\n");
    std::filesystem::permissions(folder_.Path(name), std::filesystem::perms::owner_all);
    setenv("PATH", folder_.path().c_str(), 1);
  }
  ~RecordingProgram() { setenv("PATH", oldPath_.c_str(), 1); }
  RecordingProgram(const RecordingProgram&) = delete;
  RecordingProgram& operator=(const RecordingProgram&) = delete;

  // The record of the run, once it is there: folder, then [arg] lines.
  std::string WaitForRecord() const {
    for (int i = 0; i < 1000 && !folder_.Has("record"); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return folder_.Has("record") ? folder_.Read("record") : "<not started>";
  }

  const TempFolder& folder() const { return folder_; }

 private:
  TempFolder folder_;
  std::string oldPath_;
};

}  // namespace korvel::test_support
