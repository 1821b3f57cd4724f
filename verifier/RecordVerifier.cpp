#include "verifier/RecordVerifier.h"

#include "verifier/RecordLayout.h"
#include "verifier/SignatureTest.h"
#include "verifier/VerifyResult.h"
#include "verifier/WholeFile.h"

#include <algorithm>

namespace sealcheck {

namespace {

// 0 when the whole file was read, otherwise the result code of the failure.
int ReadRecord(const char* path, std::size_t minimumSize, std::vector<std::uint8_t>& bytes) {
    switch (ReadWholeFile(path, minimumSize, bytes)) {
    case WholeFileStatus::Read:
        return kVerifyGenuine;
    case WholeFileStatus::TooShort:
        return kVerifyTooShort;
    case WholeFileStatus::CannotRead:
        break;
    }
    return kVerifyCannotOpen;
}

} // namespace

int VerifyVdr(const PublicKey& key, const char* path) {
    std::vector<std::uint8_t> bytes;
    if (const int code = ReadRecord(path, kVdrSignatureTailBytes, bytes); code != kVerifyGenuine) return code;
    const std::span<const std::uint8_t> file(bytes);
    const std::size_t signedLength = file.size() - kVdrSignatureTailBytes;
    const auto signedBytes = file.first(signedLength);
    const auto signature = file.subspan(signedLength + kVdrBlockHeadBytes, kSignatureBytes);
    return PassesSignatureTest(key, signedBytes, signature) ? kVerifyGenuine : kVerifyBadSignature;
}

std::vector<std::uint8_t> DatTrailerSignature(std::span<const std::uint8_t> trailer) {
    std::vector<std::uint8_t> signature;
    signature.reserve(kSignatureBytes);
    for (std::size_t record = kDatFirstSignatureRecord; record < kDatTrailerRecords; ++record) {
        const auto part =
            trailer.subspan(record * kDatTrailerRecordBytes + kDatRecordHeadBytes,
                            std::min(kDatSignatureBytesPerRecord, kSignatureBytes - signature.size()));
        signature.insert(signature.end(), part.begin(), part.end());
    }
    return signature;
}

int VerifyDat(const PublicKey& key, const char* path) {
    std::vector<std::uint8_t> bytes;
    if (const int code = ReadRecord(path, kDatTrailerBytes, bytes); code != kVerifyGenuine) return code;
    const std::span<const std::uint8_t> file(bytes);
    const std::size_t signedLength = file.size() - kDatTrailerBytes;
    const auto signature = DatTrailerSignature(file.subspan(signedLength));
    return PassesSignatureTest(key, file.first(signedLength), signature) ? kVerifyGenuine
                                                                         : kVerifyBadSignature;
}

} // namespace sealcheck
