// Reads arbitrary bytes as "matcode0.txt", as "out.txt" and as a model file
// the way `korvel plot` does and draws what reads; every picture must be well-formed
// XML. An Error from a reader is a fine outcome.

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/codepage.h"
#include "common/error.h"
#include "conv/core/outputs/model_file.h"
#include "plot/core/model_plot.h"
#include "plot/core/section_plot.h"
#include "pre/core/matcode_reader.h"

namespace {

// A check of what XML 1.0 asks of a document like the pictures: characters
// it allows, one root, nested tags, quoted attributes named once, "&" only
// in a reference, "<" only in markup.
class WellFormed {
 public:
  explicit WellFormed(std::string_view xml) : xml_(xml) {}

  bool Check() {
    if (!Characters() || !Skip("<?xml") || (at_ = xml_.find("?>", at_)) == npos) return false;
    at_ += 2;
    int roots = 0;
    while (Blanks(), at_ < xml_.size()) {
      if (open_.empty() && xml_[at_] != '<') return false;
      if (xml_.compare(at_, 9, "<![CDATA[") == 0) {
        if ((at_ = xml_.find("]]>", at_)) == npos) return false;
        at_ += 3;
      } else if (xml_.compare(at_, 2, "</") == 0) {
        at_ += 2;
        if (open_.empty() || Name() != open_.back() || !Skip(">")) return false;
        open_.pop_back();
      } else if (xml_[at_] == '<') {
        ++at_;
        if (open_.empty() && roots++ > 0) return false;
        if (!StartTag()) return false;
      } else if (!Text()) {
        return false;
      }
    }
    return roots == 1 && open_.empty();
  }

 private:
  static constexpr std::size_t npos = std::string_view::npos;

  bool Characters() const {
    for (std::size_t i = 0; i < xml_.size();) {
      const std::size_t length = korvel::Utf8CharacterLength(xml_, i);
      const std::string_view c = xml_.substr(i, length);
      if (length == 0 || c == "\xEF\xBF\xBE" || c == "\xEF\xBF\xBF") return false;
      if (length == 1 && static_cast<unsigned char>(c[0]) < 0x20 && c != "\t" && c != "\n" && c != "\r") return false;
      i += length;
    }
    return true;
  }
  bool Skip(std::string_view text) {
    if (xml_.compare(at_, text.size(), text) != 0) return false;
    at_ += text.size();
    return true;
  }
  void Blanks() {
    while (at_ < xml_.size() && (xml_[at_] == ' ' || xml_[at_] == '\n' || xml_[at_] == '\t' || xml_[at_] == '\r'))
      ++at_;
  }
  std::string_view Name() {
    const std::size_t start = at_;
    while (at_ < xml_.size() && (std::isalnum(static_cast<unsigned char>(xml_[at_])) || xml_[at_] == '-' ||
                                 xml_[at_] == ':' || xml_[at_] == '_')) {
      ++at_;
    }
    return xml_.substr(start, at_ - start);
  }
  bool Reference() {
    for (std::string_view entity : {"&amp;", "&lt;", "&gt;", "&quot;", "&apos;"}) {
      if (Skip(entity)) return true;
    }
    return false;
  }
  bool StartTag() {
    const std::string_view name = Name();
    if (name.empty()) return false;
    std::set<std::string_view> attributes;
    for (;;) {
      const std::size_t before = at_;
      Blanks();
      if (Skip("/>")) return true;
      if (Skip(">")) {
        open_.push_back(name);
        return true;
      }
      const std::string_view attribute = Name();
      if (at_ == before || attribute.empty() || !attributes.insert(attribute).second) return false;
      if (!Skip("=\"")) return false;
      while (at_ < xml_.size() && xml_[at_] != '"') {
        if (xml_[at_] == '<' || !Character()) return false;
      }
      if (!Skip("\"")) return false;
    }
  }
  // One character of text or of an attribute's value.
  bool Character() {
    if (xml_[at_] == '&') return Reference();
    if (xml_.compare(at_, 3, "]]>") == 0) return false;
    ++at_;
    return true;
  }
  bool Text() {
    while (at_ < xml_.size() && xml_[at_] != '<') {
      if (!Character()) return false;
    }
    return true;
  }

  std::string_view xml_;
  std::size_t at_ = 0;
  std::vector<std::string_view> open_;
};

void Expect(const std::string& svg) {
  if (!WellFormed(svg).Check()) {
    std::fwrite(svg.data(), 1, svg.size(), stderr);
    std::fputs("\nplot_fuzz: the picture above is not well-formed XML\n", stderr);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // The file's name comes from the input too: any bytes a name may hold.
  const std::string name(bytes.substr(0, std::min<std::size_t>(size, 12)));
  try {
    Expect(korvel::plot::SectionSvg(korvel::pre::ReadMatcodeFile(bytes), name));
  } catch (const korvel::Error&) {
  }
  try {
    Expect(korvel::plot::ModelSvg(korvel::conv::ReadModelFile(bytes), name));
  } catch (const korvel::Error&) {
  }
  // The same bytes as a model file, read as a conversion reads it (few items,
  // so that each run stays quick).
  try {
    if (korvel::plot::IsTableModel(bytes)) {
      const auto [model, extras] = korvel::plot::ReadModelForPicture(bytes, name, 2000);
      Expect(korvel::plot::ModelSvg(model, name, &extras));
    }
  } catch (const korvel::Error&) {
  }
  return 0;
}
