#pragma once
// What a conversion is asked to do and what it found: the options, and the
// result whose warnings the window and `korvel convert` show.

#include <cstddef>
#include <string>
#include <vector>

#include "common/program_start.h"
#include "conv/core/input/line_source.h"
#include "conv/core/input/reading_declaration.h"
#include "conv/core/tables/name_table.h"

namespace korvel::conv {

inline constexpr int kItemLimit = 1'000'000;
inline constexpr char kToolName[] = "Plakon.exe";

struct ConversionOptions {
  int itemLimit = kItemLimit;  // items read at most; the rest is left unread
  int sectionCapacity = kSectionCapacity;
  ReadingChoice reading = ReadingChoice::kFromModel;
  bool startTool = true;
  std::size_t bufferSize = LineReader::kBufferSize;  // bytes of the model held at once
  bool keepPlaces = false;                           // where left-out links and suspect geometry lie, for a picture
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

// Elements of one "CONNECTIVITY - …" table that out.txt does not carry.
struct LeftOutElements {
  std::string kind;  // the table's word as written ("LINK"), UTF-8
  int count = 0;
  std::string first;  // the first record's label, UTF-8
};

// The engineer's word for the elements of a "CONNECTIVITY - …" table
// ("LINK": 连接单元); another table's word as written ("XYZ 单元").
std::string ElementWord(const std::string& kind);

// One warning as scripts see it: a stable kind, how many things, the first
// of them, and the sentence the user reads.
struct Warning {
  std::string kind;
  int count = 0;
  std::string first;
  std::string text;
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
  Suspects numberedNames;               // the modern reading's: distinct names, listed in labels.txt
  std::vector<Warning> repeatedLabels;  // the modern reading's: one sentence per kind
  // nonNumericLabels counts distinct label texts of each kind, as numberedNames does.
  bool unlockedFolder = false;  // the file system keeps no locks: a second conversion was not kept out
  bool toolStartTried = false;
  StartResult toolStart;
  // What out.txt leaves out or cannot describe, and geometry a solver
  // stumbles over; `first` holds the plain label or name.
  std::vector<LeftOutElements> leftOut;  // by table, in order of appearance
  Suspects notRectangular;               // frame sections used by frames
  int notRectangularFrames = 0;          // the frames that use them
  std::string notRectangularShape;       // the first one's Shape=
  Suspects undefinedSections;            // frame sections used by frames that no property line describes
  int undefinedSectionFrames = 0;        // the frames that use them
  Suspects framesWithoutSection, areasWithoutSection, zeroLengthFrames, degenerateAreas;
  Suspects coincidentJoints;
  std::string coincidentWith;  // the joint the first one stands on

  // Every warning with its kind, in the order Warnings() gives them.
  std::vector<Warning> Listed() const;

  // What the user should be told although the files were written, one
  // sentence each; none for a model converted without a doubt.
  std::vector<std::string> Warnings() const;
};

}  // namespace korvel::conv
