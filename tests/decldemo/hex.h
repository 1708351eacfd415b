// Bytes written as hex in the tests ("c4e3" is the code page 936 encoding of 你).
#pragma once

#include <string>
#include <string_view>

inline std::string Hex(std::string_view hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    bytes += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
  return bytes;
}
