#include "tools/sealsign/RecordSigner.h"

#include "verifier/RecordLayout.h"
#include "verifier/Sha256.h"

#include <cstdio>

namespace sealsign {

namespace {

using sealcheck::kSignatureBytes;

std::uint32_t ReadBigEndian32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 |
           std::uint32_t{bytes[at + 2]} << 8 | std::uint32_t{bytes[at + 3]};
}

// Offset of the last block's head, or nullopt with a reason when the file is not
// a well-formed .vdr file.
std::optional<std::size_t> CheckVdrLayout(std::span<const std::uint8_t> file, std::string& error) {
    if (file.size() < 3) {
        error = "too short for a .vdr file";
        return std::nullopt;
    }
    const std::size_t count = std::size_t{file[0]} << 8 | file[1];
    std::size_t at = 2;
    std::size_t lastBlock = 0;
    for (std::size_t block = 0; block < count; ++block) {
        if (file.size() - at < sealcheck::kVdrBlockHeadBytes + 1) {
            error = "block " + std::to_string(block + 1) + " of " + std::to_string(count) + " is cut short";
            return std::nullopt;
        }
        const std::uint32_t length = ReadBigEndian32(file, at + sealcheck::kVdrLengthOffset);
        if (file.size() - at - sealcheck::kVdrBlockHeadBytes - 1 < length) {
            error = "the data of block " + std::to_string(block + 1) + " run past the end of the file";
            return std::nullopt;
        }
        lastBlock = at;
        at += sealcheck::kVdrBlockHeadBytes + length;
    }
    if (file.size() - at != 1) {
        error = "the file does not end with the check byte after its " + std::to_string(count) + " blocks";
        return std::nullopt;
    }
    if (count == 0xFFFF) {
        error = "the block count is full";
        return std::nullopt;
    }
    if (count > 0 && file[lastBlock] == kSignatureBlockCode &&
        ReadBigEndian32(file, lastBlock + sealcheck::kVdrLengthOffset) == kSignatureBytes) {
        error = "the file already ends with a signature block";
        return std::nullopt;
    }
    return lastBlock;
}

std::optional<std::vector<std::uint8_t>> Sign(std::span<const std::uint8_t> signedBytes,
                                              const PrivateKey& key, std::string& error) {
    if (key.SizeInBytes() != kSignatureBytes) {
        error = "the key must have a " + std::to_string(kSignatureBytes * 8 - 1) + " or " +
                std::to_string(kSignatureBytes * 8) + "-bit modulus";
        return std::nullopt;
    }
    const auto digest = sealcheck::Sha256(signedBytes);
    std::optional<std::vector<std::uint8_t>> signature;
    if (digest) signature = key.SignDigest(*digest);
    if (!signature) error = "signing failed";
    return signature;
}

void AppendBigEndian32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

} // namespace

std::optional<std::vector<std::uint8_t>> SignVdr(std::span<const std::uint8_t> file, const PrivateKey& key,
                                                 std::string& error) {
    if (!CheckVdrLayout(file, error)) return std::nullopt;

    std::vector<std::uint8_t> out(file.begin(), file.end() - 1); // without the old check byte
    const std::size_t count = (std::size_t{out[0]} << 8 | out[1]) + 1;
    out[0] = static_cast<std::uint8_t>(count >> 8);
    out[1] = static_cast<std::uint8_t>(count);

    const auto signature = Sign(out, key, error);
    if (!signature) return std::nullopt;

    out.push_back(kSignatureBlockCode);
    std::string caption(kSignatureBlockCaption);
    caption.resize(sealcheck::kVdrCaptionBytes, ' ');
    out.insert(out.end(), caption.begin(), caption.end());
    AppendBigEndian32(out, static_cast<std::uint32_t>(signature->size()));
    out.insert(out.end(), signature->begin(), signature->end());

    unsigned sum = 0;
    for (std::size_t i = 2; i < out.size(); ++i)
        sum += out[i];
    out.push_back(static_cast<std::uint8_t>(sum));
    return out;
}

std::optional<std::vector<std::uint8_t>> SignDat(std::span<const std::uint8_t> content, const PrivateKey& key,
                                                 std::string& error) {
    if (content.empty()) {
        error = "a .dat file needs content before its signature";
        return std::nullopt;
    }
    const auto signature = Sign(content, key, error);
    if (!signature) return std::nullopt;

    using namespace sealcheck;
    std::vector<std::uint8_t> out(content.begin(), content.end());
    out.reserve(content.size() + kDatTrailerBytes);
    std::string first = "SEALSIGN SIGNATURE TRAILER";
    first.resize(kDatTrailerRecordBytes, ' ');
    out.insert(out.end(), first.begin(), first.end());
    std::size_t taken = 0;
    for (std::size_t record = kDatFirstSignatureRecord; record < kDatTrailerRecords; ++record) {
        char head[kDatRecordHeadBytes + 1];
        std::snprintf(head, sizeof head, "SIG%02zu/%02zu", record + 1, kDatTrailerRecords);
        out.insert(out.end(), head, head + kDatRecordHeadBytes);
        for (std::size_t i = 0; i < kDatSignatureBytesPerRecord; ++i)
            out.push_back(taken < signature->size() ? (*signature)[taken++] : std::uint8_t{' '});
    }
    return out;
}

} // namespace sealsign
