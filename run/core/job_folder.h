#pragma once
// The solver runs in the current folder and reads that folder's
// "matcode0.txt", so a job from another folder would mix two jobs' files:
// KORVEL_RUN starts only jobs that lie in the working folder.

#include <optional>
#include <string>

namespace korvel::run {

// Nothing when the chosen file lies in the current folder (however the
// folder is spelled: relative, with trailing separators, in another letter
// case on Windows, through a link); otherwise the message for the user,
// naming both folders. A bare name lies in the current folder.
std::optional<std::string> JobOutsideWorkingFolder(const std::string& chosenFile);

}  // namespace korvel::run
