#include "words/line_scan.h"

#include "words/bytes.h"

namespace docbase {
namespace {

// The scan values of a line: start T and end E of the last span reached,
// previous outside blank P and last outside blank B; 0 until reached. Each
// cut goes to the sink at once: a long line of blanks has a cut per blank.
template <typename Sink>
class Scan {
 public:
  Scan(std::size_t length, std::size_t href_at, Sink& sink)
      : length_(length), href_at_(href_at), sink_(sink) {}

  // One visited position; false when the scan of the line stops here.
  bool visit(std::size_t i, bool span_start, bool span_end, bool outside_blank) {
    if (span_start) t_ = i;
    if (span_end) e_ = i;
    if (outside_blank) cut_at_blank(i);
    if (span_start && !cut_at_span(i)) return false;
    if (i == length_) cut_at_line_end(i);
    if (outside_blank) p_ = i;
    return true;
  }

 private:
  void cut(std::size_t i, std::size_t from, std::size_t to) { sink_(WordCut{i, from, to}); }

  void cut_at_blank(std::size_t i) {
    b_ = i;
    if (t_ == 0 && e_ == 0) return cut(i, p_ + 1, i - 1);
    if (t_ < e_ && p_ < t_) return cut(i, e_ + 1, i - 1);
    if (t_ < e_ && e_ < p_) return cut(i, p_ + 1, i - 1);
  }

  bool cut_at_span(std::size_t i) {
    if (e_ < i && b_ < e_) {
      // Text right after a link's start tag is a link label, not a word.
      if (href_at_ != 0 && href_at_ < e_) return false;
      cut(i, e_ + 1, i - 1);
      return true;
    }
    if (e_ < b_) cut(i, b_ + 1, i - 1);
    return true;
  }

  void cut_at_line_end(std::size_t i) {
    if (b_ < t_ && t_ < e_) return cut(i, e_ + 1, length_);
    if (e_ < b_ && b_ < length_) return cut(i, b_ + 1, length_);
    if (t_ == 0 && e_ == 0 && b_ == 0) return cut(i, 1, length_);
  }

  std::size_t length_;
  std::size_t href_at_;
  Sink& sink_;
  std::size_t t_ = 0;
  std::size_t e_ = 0;
  std::size_t p_ = 0;
  std::size_t b_ = 0;
};

// 1-based position of the first "href=" in any letter case, 0 when there is none.
std::size_t first_href(std::string_view line) {
  constexpr std::string_view kHref = "href=";
  for (std::size_t i = 0; i + kHref.size() <= line.size(); ++i) {
    std::size_t k = 0;
    while (k < kHref.size() && to_lower(line[i + k]) == kHref[k])
      ++k;
    if (k == kHref.size()) return i + 1;
  }
  return 0;
}

template <typename Sink>
void scan_line_into(std::string_view line, std::span<const TagSpan> spans, std::size_t href_at,
                    Sink sink) {
  Scan<Sink> scan(line.size(), href_at, sink);
  std::size_t next_span = 0;
  // Spans are disjoint and in order, so one walk replaces every lookup: the
  // positions strictly inside a span are skipped, and only blanks outside the
  // spans count as outside blanks.
  for (std::size_t i = 1; i <= line.size(); ++i) {
    if (next_span < spans.size() && spans[next_span].start == i) {
      const TagSpan& span = spans[next_span++];
      if (!scan.visit(i, true, span.end == i, false)) return;
      if (span.end == i) continue;
      i = span.end;
      if (!scan.visit(i, false, true, false)) return;
      continue;
    }
    if (!scan.visit(i, false, false, line[i - 1] == ' ')) return;
  }
}

}  // namespace

void scan_line(std::string_view line, std::span<const TagSpan> spans, std::size_t href_at,
               std::vector<WordCut>& cuts) {
  cuts.clear();
  scan_line_into(line, spans, href_at, [&cuts](const WordCut& cut) { cuts.push_back(cut); });
}

std::optional<LineWord> written_word(std::string_view line, const WordCut& cut) {
  if (cut.end < cut.start) return std::nullopt;
  std::string_view bytes = line.substr(cut.start - 1, cut.end - cut.start + 1);
  std::size_t position = cut.start;
  if (!bytes.empty() && bytes.front() == '"') {
    bytes.remove_prefix(1);
    ++position;
  }
  if (!bytes.empty() && bytes.back() == '"') bytes.remove_suffix(1);
  if (bytes.size() < 3) return std::nullopt;
  LineWord word{cut.cut_at, position, std::string(bytes)};
  for (char& c : word.text)
    if (c == '"') c = '\'';
  return word;
}

bool extract_line_words(std::string_view line, bool& tag_carry, std::vector<LineWord>& words) {
  words.clear();
  std::vector<TagSpan> spans;
  if (!find_tag_spans(line, tag_carry, spans)) return false;
  scan_line_into(line, spans, first_href(line), [&](const WordCut& cut) {
    if (auto word = written_word(line, cut)) words.push_back(std::move(*word));
  });
  return true;
}

}  // namespace docbase
