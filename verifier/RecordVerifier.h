#pragma once
// The signature check of a record file on disk. Both return one of the codes of
// VerifyResult.h: 0 genuine, -1 too short, -2 cannot be opened, -3 the signature
// does not verify.
#include "verifier/PublicKey.h"

#include <cstdint>
#include <span>
#include <vector>

namespace sealcheck {

int VerifyVdr(const PublicKey& key, const char* path);
int VerifyDat(const PublicKey& key, const char* path);

// The 256 signature bytes gathered from a .dat trailer (kDatTrailerBytes long).
std::vector<std::uint8_t> DatTrailerSignature(std::span<const std::uint8_t> trailer);

} // namespace sealcheck
