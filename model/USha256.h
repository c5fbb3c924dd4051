// SHA-256 (FIPS 180-4) of a byte string: a game file names its data file by
// content, so that a game is never replayed on a fishery that has changed.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vasco {

std::array<uint8_t, 32> Sha256(std::string_view octets);

// The digest as 64 lower-case hexadecimal digits.
std::string Sha256Hex(std::string_view octets);

} // namespace vasco
