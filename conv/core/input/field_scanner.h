#pragma once
// The record field scan shared by every table reader: at each character of a
// data line, in order, each key of the reader's table is tried; behind a
// matching key the characters up to the next blank are its value.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/lenient_number.h"
#include "conv/core/input/model_line.h"
#include "conv/core/input/reading_declaration.h"

namespace korvel::conv {

// kDecimalCommaNumber: a number whose comma, when it holds no period, is its
// decimal point (a model written under regional settings with a decimal
// comma: "9,5" is 9.5). kLabel: an element's label, read as a number like
// kNumber; the modern reading reads it as kTextLabel: text first (a quoted
// label whole, blanks included), a number only when IsWholeLabel.
enum class ValueKind { kNumber, kText, kDecimalCommaNumber, kLabel, kTextLabel };
// kWholeKey: at the line's start or behind a blank, so "Y=" is not the tail
// of "GlobalY=".
enum class KeyPlace { kAnywhere, kFirstCharacterOnly, kWholeKey };
enum class ValueEnd { kBlank, kBlankOrEndOfLine };

struct FieldKey {
  std::string_view key;  // ends in its only "="
  ValueKind kind = ValueKind::kNumber;
  KeyPlace place = KeyPlace::kAnywhere;
  ValueEnd end = ValueEnd::kBlank;
};

// A reader's keys in the order they are tried at each position.
class KeyTable {
 public:
  KeyTable(std::initializer_list<FieldKey> keys);
  explicit KeyTable(std::vector<FieldKey> keys);
  const std::vector<FieldKey>& keys() const { return keys_; }
  // Key indices, longest key first: of the keys ending at one "=", the
  // longest starts first.
  const std::vector<std::size_t>& longestFirst() const { return longestFirst_; }

 private:
  std::vector<FieldKey> keys_;
  std::vector<std::size_t> longestFirst_;
};

// A key as a reading matches it. The classic reading takes the key as
// written. SAP2000 12 and later write whole keys: in the modern reading each
// matches only as a whole key, its value ends at a blank or at the end of
// the line, a number may have a decimal comma and a label is text first.
constexpr FieldKey AsRead(FieldKey key, Reading reading) {
  if (reading == Reading::kClassic) return key;
  if (key.place == KeyPlace::kAnywhere) key.place = KeyPlace::kWholeKey;
  key.end = ValueEnd::kBlankOrEndOfLine;
  if (key.kind == ValueKind::kNumber) key.kind = ValueKind::kDecimalCommaNumber;
  if (key.kind == ValueKind::kLabel) key.kind = ValueKind::kTextLabel;
  return key;
}

// The text of a number with a decimal comma written with a period instead
// ("9,5" gives "9.5", in `buffer`); any other text as it stands.
std::string_view WithDecimalPoint(std::string_view text, std::string& buffer);

// Whether a label's text is a whole number as SAP2000 writes one: an optional
// minus and 1 to 15 digits without a leading zero (15 digits are what out.txt
// writes exactly). "07", "1,2", "1.5", "12A" and a 16-digit number are names.
bool IsWholeLabel(std::string_view text);
inline constexpr double kLargestWholeLabel = 999'999'999'999'999.0;

// The value behind the key that starts at byte offset `at`: up to the next
// blank; with ValueEnd::kBlankOrEndOfLine the end of the line also ends it.
// No value when the end rule is not met.
std::optional<std::string_view> TakeValue(const ModelLine& A, std::size_t at, std::string_view key, ValueEnd end);

// A text value that opens with a double quote and is closed by another one
// later in the line is the text between them, blanks included, so that
// Section="PL 16" names the section PL 16.
std::optional<std::string_view> TakeQuotedValue(const ModelLine& A, std::size_t valueStart);

// The lenient conversion of a model's value. Its overflow error quotes the
// value as a message may: in UTF-8, short, without control characters.
[[noreturn]] void ThrowModelNumberTooLarge(std::string_view text);
inline double ModelNumber(std::string_view text) {
  try {
    return LenientNumber(text);
  } catch (const OverflowError&) {
    ThrowModelNumberTooLarge(text);
  }
}

// A value as ScanFields hands it over: text as it stands and, for the number
// kind, its lenient conversion.
struct FieldValue {
  std::string_view text;
  double number = 0;
};

// Runs the scan over the whole line, each key as `reading` matches it, and
// calls onValue(keyIndex, value) for every value taken, in scan order, so the
// last occurrence of a key wins.
// Throws OverflowError from the conversion of a number value.
//
// The scan tries every key at every character. Since a key ends in its only
// "=", a key can only occur just before an "=", so looking behind each "="
// finds the same occurrences in the same order.
template <typename OnValue>
void ScanFields(const ModelLine& A, const KeyTable& table, Reading reading, OnValue&& onValue) {
  const std::string_view bytes = A.bytes();
  const auto& keys = table.keys();
  for (std::size_t equals = bytes.find('='); equals != std::string_view::npos; equals = bytes.find('=', equals + 1)) {
    for (const std::size_t k : table.longestFirst()) {
      const std::string_view name = keys[k].key;
      if (name.size() > equals + 1 || equals == 0) continue;
      const std::size_t at = equals + 1 - name.size();
      // The last byte of the name and the first decide most tries cheaply.
      if (bytes[equals - 1] != name[name.size() - 2] || bytes[at] != name[0]) continue;
      if (bytes.compare(at, name.size(), name) != 0 || !A.StartsCharacter(at)) continue;
      const FieldKey key = AsRead(keys[k], reading);
      if (key.place == KeyPlace::kFirstCharacterOnly && at != 0) continue;
      if (key.place == KeyPlace::kWholeKey && at != 0 && bytes[at - 1] != ' ') continue;
      std::optional<std::string_view> text;
      if (key.kind == ValueKind::kText || key.kind == ValueKind::kTextLabel) {
        text = TakeQuotedValue(A, at + key.key.size());
      }
      if (!text) text = TakeValue(A, at, key.key, key.end);
      if (text) {
        double number = 0;
        if (key.kind == ValueKind::kNumber || key.kind == ValueKind::kLabel) {
          number = ModelNumber(*text);
        } else if (key.kind == ValueKind::kTextLabel) {
          number = IsWholeLabel(*text) ? LenientNumber(*text) : 0;
        } else if (key.kind == ValueKind::kDecimalCommaNumber) {
          std::string buffer;
          number = ModelNumber(WithDecimalPoint(*text, buffer));
        }
        onValue(k, FieldValue{*text, number});
      }
    }
  }
}

// The keys as written.
template <typename OnValue>
void ScanFields(const ModelLine& A, const KeyTable& table, OnValue&& onValue) {
  ScanFields(A, table, Reading::kClassic, std::forward<OnValue>(onValue));
}

}  // namespace korvel::conv
