#include "expected_listings.h"

namespace expected {

std::string rowMajorBlock(int block) {
  std::string text;
  for (int byte = 0; byte < 24; ++byte) {
    std::string v = std::to_string(byte);
    if (block == 1) text += "a1[" + v + "]: " + v + "\n";
    if (block == 2) {
      text +=
          "a2[" + std::to_string(byte / 12) + "][" + std::to_string(byte % 12) + "]: " + v + "\n";
    }
    if (block == 3) {
      text += "a3[" + std::to_string(byte / 12) + "][" + std::to_string(byte / 4 % 3) + "][" +
              std::to_string(byte % 4) + "]: " + v + "\n";
    }
  }
  return text;
}

std::string columnMajorBlock(int block) {
  std::string text;
  for (int byte = 0; byte < 24; ++byte) {
    std::string v = std::to_string(byte);
    if (block == 1) text += "a1(" + v + "): " + v + "\n";
    if (block == 2) {
      text +=
          "a2(" + std::to_string(byte % 12) + ", " + std::to_string(byte / 12) + "): " + v + "\n";
    }
    if (block == 3) {
      text += "a3(" + std::to_string(byte % 4) + ", " + std::to_string(byte / 4 % 3) + ", " +
              std::to_string(byte / 12) + "): " + v + "\n";
    }
  }
  return text;
}

std::string withLineEnds(const std::string& text, const std::string& lineEnd) {
  std::string result;
  for (char c : text) {
    if (c == '\n') {
      result += lineEnd;
    } else {
      result += c;
    }
  }
  return result;
}

}  // namespace expected
