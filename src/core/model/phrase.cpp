#include "core/model/phrase.h"

#include <cstddef>
#include <utility>

Phrase Plain(std::string text) {
  return Phrase{nullptr, std::move(text), {}, -1};
}

Phrase Marked(const char* context, std::string text, std::vector<Phrase> args) {
  return Phrase{context, std::move(text), std::move(args), -1};
}

std::string English(const Phrase& phrase) {
  if (phrase.args.empty() && phrase.count < 0) return phrase.text;
  std::string text;
  const std::string& pattern = phrase.text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const std::size_t arg = static_cast<std::size_t>(next - '1');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && arg < phrase.args.size()) {
      text += English(phrase.args[arg]);
      ++i;
    } else if (pattern[i] == '%' && next == 'n' && phrase.count >= 0) {
      text += std::to_string(phrase.count);
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}
