#pragma once
// Result codes of VerifyVdr and VerifyDat.

namespace sealcheck {

inline constexpr int kVerifyGenuine = 0;
inline constexpr int kVerifyTooShort = -1;     // too short to carry a signature
inline constexpr int kVerifyCannotOpen = -2;   // missing, not a regular file, unreadable
inline constexpr int kVerifyBadSignature = -3; // every failure of the signature test

} // namespace sealcheck
