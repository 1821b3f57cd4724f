#include "tools/sealsign/PrivateKey.h"

#include <wolfssl/options.h>

#include <wolfssl/wolfcrypt/asn_public.h>
#include <wolfssl/wolfcrypt/random.h>
#include <wolfssl/wolfcrypt/rsa.h>

#include <climits>

namespace sealsign {

struct PrivateKey::Impl {
    RsaKey key;
    WC_RNG rng;
    bool keyReady = false;
    bool rngReady = false;
    ~Impl() {
        if (keyReady) wc_FreeRsaKey(&key);
        if (rngReady) wc_FreeRng(&rng);
    }
};

PrivateKey::PrivateKey() : mImpl(std::make_unique<Impl>()) {}
PrivateKey::~PrivateKey() = default;
PrivateKey::PrivateKey(PrivateKey&&) noexcept = default;
PrivateKey& PrivateKey::operator=(PrivateKey&&) noexcept = default;

std::optional<PrivateKey> PrivateKey::FromPem(std::string_view pem, std::string& error) {
    if (pem.empty() || pem.size() > INT_MAX) {
        error = "the key file is empty or too large";
        return std::nullopt;
    }
    std::vector<unsigned char> der(pem.size());
    const int derLength =
        wc_KeyPemToDer(reinterpret_cast<const unsigned char*>(pem.data()), static_cast<int>(pem.size()),
                       der.data(), static_cast<int>(der.size()), nullptr);
    if (derLength <= 0) {
        error = "the key file holds no PEM private key";
        return std::nullopt;
    }
    PrivateKey result;
    Impl& impl = *result.mImpl;
    if (wc_InitRsaKey(&impl.key, nullptr) != 0) {
        error = "cannot set up an RSA key";
        return std::nullopt;
    }
    impl.keyReady = true;
    word32 index = 0;
    if (wc_RsaPrivateKeyDecode(der.data(), &index, &impl.key, static_cast<word32>(derLength)) != 0) {
        error = "the key file holds no RSA private key";
        return std::nullopt;
    }
    if (wc_InitRng(&impl.rng) != 0) {
        error = "cannot set up the random number generator";
        return std::nullopt;
    }
    impl.rngReady = true;
    wc_RsaSetRNG(&impl.key, &impl.rng);
    return result;
}

std::size_t PrivateKey::SizeInBytes() const {
    const int size = wc_RsaEncryptSize(&mImpl->key);
    return size > 0 ? static_cast<std::size_t>(size) : 0;
}

std::optional<std::vector<std::uint8_t>> PrivateKey::SignDigest(std::span<const std::uint8_t> digest) const {
    std::vector<std::uint8_t> signature(SizeInBytes());
    if (signature.empty()) return std::nullopt;
    const int length = wc_RsaSSL_Sign(digest.data(), static_cast<word32>(digest.size()), signature.data(),
                                      static_cast<word32>(signature.size()), &mImpl->key, &mImpl->rng);
    if (length != static_cast<int>(signature.size())) return std::nullopt;
    return signature;
}

} // namespace sealsign
