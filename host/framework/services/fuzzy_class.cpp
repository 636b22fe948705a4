// The fuzzy text matcher.
#include "host/framework/services/fuzzy_class.h"

#include <algorithm>
#include <string>
#include <vector>

#include "host/framework/values/text.h"

namespace crv {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string normalise(std::string_view text, bool foldCase) {
  std::string out;
  for (char c : text) {
    if (isBlank(c)) {
      if (!out.empty() && out.back() != ' ') out += ' ';
      continue;
    }
    out += c;
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return foldCase ? toLowerAscii(out) : out;
}

std::vector<std::string> words(const std::string& text) {
  std::vector<std::string> all;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    all.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return all;
}

bool isSubsequence(const std::string& query, const std::string& text) {
  std::size_t at = 0;
  for (char c : query) {
    at = text.find(c, at);
    if (at == std::string::npos) return false;
    ++at;
  }
  return true;
}

// Both texts normalised, query not empty.
int phraseScore(const std::string& query, const std::string& text) {
  if (text == query) return 100;
  if (text.starts_with(query)) return 90;
  std::size_t at = text.find(query);
  if (at != std::string::npos) {
    for (; at != std::string::npos; at = text.find(query, at + 1))
      if (at == 0 || text[at - 1] == ' ') return 80;
    return 70;
  }
  if (query.size() < text.size() && isSubsequence(query, text))
    return 20 + static_cast<int>(39 * query.size() / text.size());
  return 0;
}

}  // namespace

void FuzzyClass::init() {
  initialised_ = true;
  caseInsensitive_ = false;
  anyWordOrder_ = false;
}

void FuzzyClass::kill() { initialised_ = false; }

bool FuzzyClass::setOption(int option, bool on) {
  switch (option) {
    case CaseInsensitive:
      caseInsensitive_ = on;
      return true;
    case AnyWordOrder:
      anyWordOrder_ = on;
      return true;
    default:
      return false;
  }
}

bool FuzzyClass::option(int option) const {
  switch (option) {
    case CaseInsensitive:
      return caseInsensitive_;
    case AnyWordOrder:
      return anyWordOrder_;
    default:
      return false;
  }
}

int FuzzyClass::match(std::string_view query, std::string_view text) const {
  if (!initialised_) return 0;
  const std::string q = normalise(query, caseInsensitive_);
  const std::string t = normalise(text, caseInsensitive_);
  if (q.empty()) return 100;
  int best = phraseScore(q, t);
  if (!anyWordOrder_ || best == 100) return best;

  std::vector<std::string> queryWords = words(q);
  std::vector<std::string> textWords = words(t);
  std::sort(queryWords.begin(), queryWords.end());
  std::sort(textWords.begin(), textWords.end());
  if (queryWords == textWords) return 100;

  int total = 0;
  for (const std::string& word : queryWords) {
    const int score = phraseScore(word, t);
    if (score == 0) return best;
    total += score;
  }
  // Equal texts stay the only perfect score.
  const int average = std::min(99, total / static_cast<int>(queryWords.size()));
  return std::max(best, average);
}

}  // namespace crv
