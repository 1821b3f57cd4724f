#include "verifier/EmbeddedPublicKey.h"

namespace sealcheck {

namespace {
constexpr unsigned char kPem[] = {
#include "EmbeddedPublicKey.inc"
};
} // namespace

std::string_view EmbeddedPublicKeyPem() {
    return std::string_view(reinterpret_cast<const char*>(kPem), sizeof kPem);
}

} // namespace sealcheck
