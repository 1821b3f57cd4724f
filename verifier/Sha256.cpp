#include "verifier/Sha256.h"

#include <wolfssl/options.h>

#include <wolfssl/wolfcrypt/sha256.h>

#include <algorithm>

namespace sealcheck {

std::optional<Sha256Digest> Sha256(std::span<const std::uint8_t> bytes) {
    static_assert(WC_SHA256_DIGEST_SIZE == kSha256Bytes);
    wc_Sha256 sha;
    if (wc_InitSha256(&sha) != 0) return std::nullopt;
    // The engine takes 32-bit lengths; feed larger ranges in pieces.
    constexpr std::size_t kPiece = std::size_t{1} << 30;
    bool ok = true;
    for (std::size_t offset = 0; ok && offset < bytes.size(); offset += kPiece) {
        const std::size_t length = std::min(kPiece, bytes.size() - offset);
        ok = wc_Sha256Update(&sha, bytes.data() + offset, static_cast<word32>(length)) == 0;
    }
    Sha256Digest digest{};
    ok = ok && wc_Sha256Final(&sha, digest.data()) == 0;
    wc_Sha256Free(&sha);
    if (!ok) return std::nullopt;
    return digest;
}

} // namespace sealcheck
