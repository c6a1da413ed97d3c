#pragma once
// A fuzz target stops at the first broken promise; libFuzzer then keeps the
// input that broke it.

#include <cstdio>
#include <cstdlib>

namespace glyphlog::fuzz {

inline void Require(bool holds, const char* promise) {
  if (holds) return;
  std::fprintf(stderr, "broken promise: %s\n", promise);
  std::abort();
}

}  // namespace glyphlog::fuzz
