#pragma once
// Where the signature lies in a signed record file, and which bytes it covers.
//
// .vdr (length L): the signature is the data of the file's last block, right
// before the check byte. Signed: bytes 0 .. L-281 (the block count and every
// block before the signature block). The signature block's head (code, caption,
// length) and the check byte are not signed.
//
// .dat (length L): the content, then a trailer of 12 records of 32 bytes.
// Signed: the content, bytes 0 .. L-385. Records 2 to 12 each start with an 8-byte
// head followed by 24 signature bytes; the signature is the first 256 of those
// 264 bytes. Record 1, the heads and the last 8 bytes are not signed.
#include <cstddef>

namespace sealcheck {

inline constexpr std::size_t kSignatureBytes = 256;

inline constexpr std::size_t kVdrCaptionBytes = 18;
inline constexpr std::size_t kVdrLengthOffset = 1 + kVdrCaptionBytes;   // within a block head
inline constexpr std::size_t kVdrBlockHeadBytes = kVdrLengthOffset + 4; // code, caption, length
inline constexpr std::size_t kVdrCheckByteBytes = 1;
// Signature block plus check byte: the smallest possible signed .vdr file.
inline constexpr std::size_t kVdrSignatureTailBytes =
    kVdrBlockHeadBytes + kSignatureBytes + kVdrCheckByteBytes;
static_assert(kVdrSignatureTailBytes == 280);

inline constexpr std::size_t kDatTrailerRecordBytes = 32;
inline constexpr std::size_t kDatTrailerRecords = 12;
inline constexpr std::size_t kDatTrailerBytes = kDatTrailerRecordBytes * kDatTrailerRecords;
inline constexpr std::size_t kDatRecordHeadBytes = 8;
inline constexpr std::size_t kDatSignatureBytesPerRecord = kDatTrailerRecordBytes - kDatRecordHeadBytes;
// Record 1 carries no signature; records 2 to 12 carry it.
inline constexpr std::size_t kDatFirstSignatureRecord = 1; // zero-based index
static_assert(kDatTrailerBytes == 384);
static_assert((kDatTrailerRecords - kDatFirstSignatureRecord) * kDatSignatureBytesPerRecord >=
              kSignatureBytes);

} // namespace sealcheck
