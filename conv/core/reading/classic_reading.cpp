// The reading of models as SAP2000 9 to 11 wrote them: items split at commas,
// titles compared as prefixes, labels read as numbers, a section assigned to
// the elements read before its assignment line.

#include "conv/core/input/model_text.h"
#include "conv/core/reading/reading_policy.h"

namespace korvel::conv {
namespace {

class Classic final : public ReadingPolicy {
 public:
  Reading reading() const override { return Reading::kClassic; }
  ListInput ItemsOf(DeclarationWatch& declared, ContinuedLines&) const override {
    return ListInput(declared, ListInput::Commas::kSplit);
  }
  bool TitleEndsBefore(std::string_view) const override { return true; }
  // Continuation lines are read as records of their own, which is suspect.
  void NoteRecord(std::string_view bytes, int lineNumber, ConversionResult& result) const override {
    if (!ContinuedLines::EndsInContinuation(bytes)) return;
    result.continuationLines.Note([&] { return LineExample(lineNumber); });
  }
  Suspects& NonNumericLabels(ConversionResult& result) const override { return result.nonNumericLabels; }
  bool AssignsAtOnce() const override { return true; }
  bool NeedsStrength(const std::string&, const SectionLinks&) const override { return true; }
  void Finish(ModelRead&, const SectionLinks&) const override {}
};

}  // namespace

const ReadingPolicy& ClassicReading() {
  static const Classic reading;
  return reading;
}

}  // namespace korvel::conv
