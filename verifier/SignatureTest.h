#pragma once
// The signature test: signature S over signed bytes D is genuine when S^e mod n
// is a PKCS#1 v1.5 block of type 1 that carries the bare SHA-256 digest of D:
//   00 01 FF..FF (at least 8) 00 H   with H exactly 32 bytes.
// No DigestInfo precedes the digest.
#include "verifier/PublicKey.h"

#include <cstdint>
#include <span>

namespace sealcheck {

inline constexpr std::size_t kMinimumPaddingBytes = 8;

// True only when the key loaded, D is not empty, S is as long as the key and the
// recovered block has exactly the form above with H = SHA-256(D).
bool PassesSignatureTest(const PublicKey& key, std::span<const std::uint8_t> signedBytes,
                         std::span<const std::uint8_t> signature);

// The block check alone, on the output of the raw public-key operation.
bool IsBareDigestBlock(std::span<const std::uint8_t> block, std::span<const std::uint8_t> digest);

} // namespace sealcheck
