#pragma once
#include <string>
#include <vector>

// The lines of a and b compared as a unified diff (each '\n'-ended line a
// line): "--- nome_a", "+++ nome_b", then each hunk of changed lines with
// three lines around it. "" when the lines are the same. The middle that
// differs is matched line by line (longest common subsequence) up to a size;
// a larger one is shown removed and added whole.
std::string diff_righe(const std::string& a, const std::string& b, const std::string& nome_a,
                       const std::string& nome_b);

// The '\n'-ended lines of t, without their '\n' (a last line without one
// counts too).
std::vector<std::string> righe_di(const std::string& t);
