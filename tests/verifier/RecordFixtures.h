#pragma once
// Record files for the verifier tests, built from structured values: blocks with
// codes, captions and data, content bytes, and a signer that signs the bytes a
// recorder signs.
#include <QString>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

struct VdrBlock {
    std::uint8_t code;
    std::string caption;
    Bytes data;
};

// Makes the 256 signature bytes for the given signed bytes.
using Signer = std::function<Bytes(std::span<const std::uint8_t> signedBytes)>;
// The development key's genuine signature: the bare SHA-256 digest, type-1 padding.
Bytes GenuineSignature(std::span<const std::uint8_t> signedBytes);

// A few small blocks of several codes, as a recorder writes them.
std::vector<VdrBlock> SampleBlocks();
Bytes SampleDatContent();

// The analyser's own writer: block count, blocks, check byte; no signature.
Bytes WriterVdr(const std::vector<VdrBlock>& blocks);

// A recorder's signed .vdr: the count includes the signature block, the count and
// the blocks before it are signed, the signature block follows, then the check
// byte over every block.
Bytes SignedVdr(const std::vector<VdrBlock>& blocks, const Signer& signer = GenuineSignature);
// A recorder's signed .dat: the content, then 12 trailer records of 32 bytes with
// the signature in records 2 to 12 after an 8-byte head each.
Bytes SignedDat(const Bytes& content, const Signer& signer = GenuineSignature);

// The head of the signature block that SignedVdr writes.
inline constexpr std::uint8_t kFixtureSignatureCode = 0xEE;

void WriteBytes(const QString& path, std::span<const std::uint8_t> bytes);
Bytes ReadBytes(const QString& path);
Bytes ToBytes(std::string_view text);
