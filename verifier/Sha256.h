#pragma once
// SHA-256 of a byte range of any length.
#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace sealcheck {

inline constexpr std::size_t kSha256Bytes = 32;
using Sha256Digest = std::array<std::uint8_t, kSha256Bytes>;

// Empty when the hash engine fails.
std::optional<Sha256Digest> Sha256(std::span<const std::uint8_t> bytes);

} // namespace sealcheck
