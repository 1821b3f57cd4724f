#pragma once
// Builds signed record files from unsigned ones.
//
// .vdr: the signature becomes one more block, after all the others: the block
// count grows by one, the count and the blocks before the signature block are
// signed, and the check byte is computed again over every block, the signature
// block included. The block's code is one that no decoder reads.
//
// .dat: the whole input is the signed content; a 384-byte trailer is appended
// with the signature spread over records 2 to 12.
#include "tools/sealsign/PrivateKey.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sealsign {

inline constexpr std::uint8_t kSignatureBlockCode = 0xFF;
inline constexpr std::string_view kSignatureBlockCaption = "RSA SIGNATURE";

// The input must be a well-formed unsigned .vdr file: its block count, exactly
// that many complete blocks, then the check byte and nothing after it.
std::optional<std::vector<std::uint8_t>> SignVdr(std::span<const std::uint8_t> file, const PrivateKey& key,
                                                 std::string& error);
// Any non-empty content.
std::optional<std::vector<std::uint8_t>> SignDat(std::span<const std::uint8_t> content, const PrivateKey& key,
                                                 std::string& error);

} // namespace sealsign
