#include "verifier/EmbeddedPublicKey.h"

namespace sealcheck {

namespace {
constexpr char kPem[] = {
#include "EmbeddedPublicKey.inc"
};
} // namespace

std::string_view EmbeddedPublicKeyPem() { return std::string_view(kPem, sizeof kPem); }

} // namespace sealcheck
