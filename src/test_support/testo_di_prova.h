#pragma once
// Searches in what a command or the program wrote, for the tests.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

// Whether testo holds cercato. A failure shows the whole text searched, so a
// look for a message in stderr says what was written instead.
inline ::testing::AssertionResult contiene(const std::string& testo, std::string_view cercato) {
  if (testo.find(cercato) != std::string::npos) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "\"" << cercato << "\" is not in:\n" << testo;
}

// Whether testo lacks cercato; a failure shows the whole text.
inline ::testing::AssertionResult non_contiene(const std::string& testo, std::string_view cercato) {
  if (testo.find(cercato) == std::string::npos) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "\"" << cercato << "\" is in:\n" << testo;
}
