#include "verifier/PublicKey.h"

#include <wolfssl/options.h>

#include <wolfssl/wolfcrypt/asn_public.h>
#include <wolfssl/wolfcrypt/rsa.h>

#include <algorithm>
#include <array>
#include <climits>

namespace sealcheck {

struct PublicKey::Impl {
    RsaKey key;
    bool initialised = false;
    ~Impl() {
        if (initialised) wc_FreeRsaKey(&key);
    }
};

PublicKey::PublicKey() = default;
PublicKey::~PublicKey() = default;
PublicKey::PublicKey(PublicKey&&) noexcept = default;
PublicKey& PublicKey::operator=(PublicKey&&) noexcept = default;

PublicKey PublicKey::FromPem(std::string_view pem) {
    PublicKey result;
    if (pem.empty() || pem.size() > INT_MAX) return result;

    std::array<unsigned char, kMaxDerBytes> der{};
    const int derLength =
        wc_PubKeyPemToDer(reinterpret_cast<const unsigned char*>(pem.data()), static_cast<int>(pem.size()),
                          der.data(), static_cast<int>(der.size()));
    if (derLength <= 0) return result;

    auto impl = std::make_unique<Impl>();
    if (wc_InitRsaKey(&impl->key, nullptr) != 0) return result;
    impl->initialised = true;
    word32 index = 0;
    if (wc_RsaPublicKeyDecode(der.data(), &index, &impl->key, static_cast<word32>(derLength)) != 0)
        return result;
    if (index != static_cast<word32>(derLength)) return result; // bytes after the key

    const int size = wc_RsaEncryptSize(&impl->key);
    if (size <= 0) return result;
    std::vector<std::uint8_t> modulus(static_cast<std::size_t>(size));
    std::array<std::uint8_t, 16> exponent{};
    word32 modulusLength = static_cast<word32>(modulus.size());
    word32 exponentLength = static_cast<word32>(exponent.size());
    if (wc_RsaFlattenPublicKey(&impl->key, exponent.data(), &exponentLength, modulus.data(),
                               &modulusLength) != 0)
        return result;
    if (modulusLength == 0 || modulusLength > modulus.size()) return result;
    // Right-align the modulus so that it compares byte by byte with a signature.
    std::move_backward(modulus.begin(), modulus.begin() + modulusLength, modulus.end());
    std::fill(modulus.begin(), modulus.end() - modulusLength, std::uint8_t{0});

    result.mKey = std::move(impl);
    result.mModulus = std::move(modulus);
    return result;
}

bool PublicKey::RawPublicOperation(std::span<const std::uint8_t> signature,
                                   std::vector<std::uint8_t>& out) const {
    out.clear();
    if (!IsLoaded() || signature.size() != mModulus.size()) return false;
    // The signature representative must lie below the modulus: S and S + n give the
    // same S^e mod n, and only the first is a signature.
    if (!std::lexicographical_compare(signature.begin(), signature.end(), mModulus.begin(), mModulus.end()))
        return false;

    std::vector<std::uint8_t> result(mModulus.size());
    word32 resultLength = static_cast<word32>(result.size());
    if (wc_RsaFunction(signature.data(), static_cast<word32>(signature.size()), result.data(), &resultLength,
                       RSA_PUBLIC_DECRYPT, &mKey->key, nullptr) != 0)
        return false;
    if (resultLength != result.size()) return false;
    out = std::move(result);
    return true;
}

} // namespace sealcheck
