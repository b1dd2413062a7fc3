#include <iostream>

int main() {
  std::cerr << "usage: scenario COMMAND ...\n";
  return 64;
}
