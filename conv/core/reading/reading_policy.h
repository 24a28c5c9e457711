#pragma once
// What sets a reading apart: how it finds table titles and items, where it
// notes a label that is not a number, when it assigns sections, and the work
// it does once the whole file is read. The classic reading reads models as
// SAP2000 9 to 11 wrote them, the modern one as SAP2000 12 and later do.
// A pass chooses its reading once; which tables each reading knows is in
// the list of known tables.

#include <string>
#include <string_view>

#include "conv/core/input/line_source.h"
#include "conv/core/input/list_input.h"
#include "conv/core/input/reading_declaration.h"
#include "conv/core/reading/model_read.h"
#include "conv/core/tables/record_readers.h"
#include "conv/core/tables/section_links.h"

namespace korvel::conv {

class ReadingPolicy {
 public:
  virtual ~ReadingPolicy() = default;

  virtual Reading reading() const = 0;
  // The items of the model: `declared` passes its lines as they are, `joined`
  // with " _" continuations joined.
  virtual ListInput ItemsOf(DeclarationWatch& declared, ContinuedLines& joined) const = 0;
  // Whether a known title is complete when `after` follows it on the line.
  virtual bool TitleEndsBefore(std::string_view after) const = 0;
  // A record of an open table, for what the reading notes of whole lines.
  virtual void NoteRecord(std::string_view bytes, int lineNumber, ConversionResult& result) const = 0;
  // Where a label that is not a number is noted.
  virtual Suspects& NonNumericLabels(ConversionResult& result) const = 0;
  // Whether an assignment is made when read, to the elements read so far
  // (otherwise Finish makes it).
  virtual bool AssignsAtOnce() const = 0;
  // Whether a frame section without Fc or RebarFy is suspect.
  virtual bool NeedsStrength(const std::string& section, const SectionLinks& links) const = 0;
  // The reading's work that needs the whole file.
  virtual void Finish(ModelRead& read, const SectionLinks& links) const = 0;
};

const ReadingPolicy& ClassicReading();
const ReadingPolicy& ModernReading();
inline const ReadingPolicy& PolicyOf(Reading reading) {
  return reading == Reading::kModern ? ModernReading() : ClassicReading();
}

}  // namespace korvel::conv
