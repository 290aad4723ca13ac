#include "core/platform/stderr_note.h"

#include <cstdio>

void StderrNote::Say(const std::string& problem) {
  if (problem == m_said) return;
  m_said = problem;
  std::fprintf(stderr, "tockmere: %s\n", problem.c_str());
}
