#include "scenario/testo/diff_righe.h"

#include <gtest/gtest.h>

namespace {

std::string righe_diff_righe(int da, int a) {
  std::string t;
  for (int i = da; i <= a; ++i) t += "r" + std::to_string(i) + "\n";
  return t;
}

// Each case as diff -u prints it.
TEST(DiffRighe, HunksAsDiffUPrintsThem) {
  struct caso {
    const char* nome;
    std::string a, b, atteso;
  };
  const caso casi[] = {
      {"the same lines", righe_diff_righe(1, 9), righe_diff_righe(1, 9), ""},
      {"one line changed", righe_diff_righe(1, 9), righe_diff_righe(1, 4) + "nuova\n" + righe_diff_righe(6, 9),
       "--- a\n+++ b\n@@ -2,7 +2,7 @@\n r2\n r3\n r4\n-r5\n+nuova\n r6\n r7\n r8\n"},
      {"a line added at the end", righe_diff_righe(1, 5), righe_diff_righe(1, 6),
       "--- a\n+++ b\n@@ -3,3 +3,4 @@\n r3\n r4\n r5\n+r6\n"},
      {"a new file", "", righe_diff_righe(1, 2), "--- a\n+++ b\n@@ -0,0 +1,2 @@\n+r1\n+r2\n"},
      {"a file removed", righe_diff_righe(1, 2), "", "--- a\n+++ b\n@@ -1,2 +0,0 @@\n-r1\n-r2\n"},
      {"two lines swapped", righe_diff_righe(1, 3), "r2\nr1\nr3\n",
       "--- a\n+++ b\n@@ -1,3 +1,3 @@\n-r1\n r2\n+r1\n r3\n"},
      {"two changes far apart: two hunks", righe_diff_righe(1, 20), "x1\n" + righe_diff_righe(2, 19) + "x20\n",
       "--- a\n+++ b\n@@ -1,4 +1,4 @@\n-r1\n+x1\n r2\n r3\n r4\n@@ -17,4 +17,4 @@\n r17\n r18\n r19\n-r20\n+x20\n"},
      {"two changes close: one hunk", righe_diff_righe(1, 12),
       righe_diff_righe(1, 2) + "x3\n" + righe_diff_righe(4, 8) + "x9\n" + righe_diff_righe(10, 12),
       "--- a\n+++ b\n@@ -1,12 +1,12 @@\n r1\n r2\n-r3\n+x3\n r4\n r5\n r6\n r7\n r8\n-r9\n+x9\n r10\n r11\n r12\n"},
  };
  for (const caso& c : casi) EXPECT_EQ(diff_righe(c.a, c.b, "a", "b"), c.atteso) << c.nome;
}

}  // namespace
