#pragma once

#include <string>

// A problem the user should hear of, said on stderr ("tockmere: ...") once:
// the same words again say nothing until the problem is gone (Clear) or
// another takes its place.
class StderrNote {
 public:
  void Say(const std::string& problem);
  void Clear() { m_said.clear(); }
  // Something is said and not yet cleared.
  bool Said() const { return !m_said.empty(); }

 private:
  std::string m_said;
};
