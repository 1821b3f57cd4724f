#include "verifier/SignatureTest.h"

#include "verifier/Sha256.h"

#include <algorithm>
#include <vector>

namespace sealcheck {

bool IsBareDigestBlock(std::span<const std::uint8_t> block, std::span<const std::uint8_t> digest) {
    if (block.size() < 2 || block[0] != 0x00 || block[1] != 0x01) return false;
    std::size_t i = 2;
    while (i < block.size() && block[i] == 0xFF)
        ++i;
    // The run of FFH must end in a 00H separator, after at least 8 of them.
    if (i == block.size() || block[i] != 0x00) return false;
    if (i - 2 < kMinimumPaddingBytes) return false;
    const auto payload = block.subspan(i + 1);
    return payload.size() == kSha256Bytes && digest.size() == kSha256Bytes &&
           std::equal(payload.begin(), payload.end(), digest.begin());
}

bool PassesSignatureTest(const PublicKey& key, std::span<const std::uint8_t> signedBytes,
                         std::span<const std::uint8_t> signature) {
    if (!key.IsLoaded() || signature.size() != key.SizeInBytes()) return false;
    if (signedBytes.empty()) return false;
    const auto digest = Sha256(signedBytes);
    if (!digest) return false;
    std::vector<std::uint8_t> block;
    if (!key.RawPublicOperation(signature, block)) return false;
    return IsBareDigestBlock(block, *digest);
}

} // namespace sealcheck
