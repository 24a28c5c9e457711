#pragma once
// What a conversion is asked to do and what it found: the options, and the
// result whose warnings the window and `korvel convert` show.

#include <cstddef>
#include <string>
#include <vector>

#include "common/program_start.h"
#include "conv/core/line_source.h"
#include "conv/core/model_reading.h"
#include "conv/core/section_names.h"

namespace korvel::conv {

inline constexpr int kItemLimit = 1'000'000;
inline constexpr char kToolName[] = "Plakon.exe";

struct ConversionOptions {
  int itemLimit = kItemLimit;  // items read at most; the rest is left unread
  int sectionCapacity = kSectionCapacity;
  ReadingChoice reading = ReadingChoice::kFromModel;
  bool startTool = true;
  std::size_t bufferSize = LineReader::kBufferSize;  // bytes of the model held at once
};

// Things of one kind that make a result suspect: how many, and the first.
struct Suspects {
  int count = 0;
  std::string first;  // UTF-8, ready for a message

  // `example` makes the UTF-8 text of the first; it runs only for that one,
  // so a model with a million suspect records does not word a million.
  template <typename Example>
  void Note(Example&& example) {
    if (count++ == 0) first = example();
  }
};

struct ConversionResult {
  Reading reading = Reading::kClassic;
  int declaredVersion = 0;     // the SAP2000 major version the model declares first, 0 for none
  int disagreeingVersion = 0;  // a later declaration's version that asks for the other reading
  // The programs those declarations name, as a message names them ("CSiBridge 25"); empty for none.
  std::string declaredProgram, disagreeingProgram;
  bool modernByContent = false;  // no declaration, joints written as SAP2000 12 and later write them
  bool truncated = false;        // the model went on after itemLimit items
  int itemLimit = kItemLimit;
  int droppedFrameSections = 0, droppedAreaSections = 0;
  bool noElements = false;  // neither a frame nor an area
  Suspects jointsWithoutCoordinates, unmatchedAssignments, unknownBars, nonNumericLabels, continuationLines,
      missingJoints, designedSections;
  // Frame sections that frame elements carry, with Fc or RebarFy 0.
  Suspects sectionsWithoutFc, sectionsWithoutRebarFy;
  Suspects numberedNames;  // the modern reading's: distinct names, listed in labels.txt
  std::vector<std::string> repeatedLabels;  // the modern reading's: one sentence per kind
  // nonNumericLabels counts distinct label texts of each kind, as numberedNames does.
  bool unlockedFolder = false;  // the file system keeps no locks: a second conversion was not kept out
  bool toolStartTried = false;
  StartResult toolStart;

  // What the user should be told although the files were written, one
  // sentence each; none for a model converted without a doubt.
  std::vector<std::string> Warnings() const;
};

}  // namespace korvel::conv
