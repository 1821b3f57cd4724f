#pragma once
// The PEM text of the public key built into SealCheck (chosen at build time with
// the CMake option SEALCHECK_PUBLIC_KEY_PEM), byte for byte as in its file.
#include <string_view>

namespace sealcheck {

std::string_view EmbeddedPublicKeyPem();

} // namespace sealcheck
