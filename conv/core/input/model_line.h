#pragma once
// One item of a model file as the readers see it: bytes in code page 936,
// where positions and lengths count characters. A lead byte 0x81-0xFE with a
// trail byte 0x40-0xFE (not 0x7F) is one character; any other byte is one.
// Also where a line starts a table, and where its title stands.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace korvel::conv {

class ModelLine {
 public:
  static constexpr std::size_t npos = std::string_view::npos;

  ModelLine() = default;
  explicit ModelLine(std::string_view bytes) { Assign(bytes); }
  // Reuses the storage of earlier lines, so reading a file allocates little.
  void Assign(std::string_view bytes);

  std::string_view bytes() const { return bytes_; }
  std::size_t CharacterCount() const { return characters_; }
  // Whether a character begins at this byte offset (never inside a
  // double-byte character).
  bool StartsCharacter(std::size_t offset) const { return ascii_ || starts_[offset]; }
  // Byte offset of character n (counted from 1), or npos past the end.
  std::size_t OffsetOfCharacter(std::size_t n) const;
  // Offset of the first blank at or after `from`, or npos. Calls with
  // increasing `from` cost one pass over the line in all.
  std::size_t NextBlank(std::size_t from) const;
  // Byte offset of where a table's title stands on this line: character 10,
  // as SAP2000 aligns it behind "TABLE:  \"" (npos for a shorter line). The
  // readings look for a title there on every line.
  std::size_t TitleOffset() const { return OffsetOfCharacter(10); }

 private:
  std::string_view bytes_;
  std::size_t characters_ = 0;
  bool ascii_ = true;
  std::vector<std::uint8_t> starts_;  // per byte, only for lines with double-byte text
  mutable std::size_t blankSearchedFrom_ = 0, blankFound_ = npos;
};

// Whether a line starts a table, and so is no record: "TABLE" first, as in
// TABLE:  "JOINT COORDINATES" (and TABLES:, which some files write).
inline bool StartsATable(std::string_view line) { return line.starts_with("TABLE"); }

}  // namespace korvel::conv
