#include "DevKey.h"

#include "verifier/EmbeddedPublicKey.h"
#include "verifier/PublicKey.h"

#include <wolfssl/options.h>

#include <wolfssl/wolfcrypt/asn_public.h>
#include <wolfssl/wolfcrypt/random.h>
#include <wolfssl/wolfcrypt/rsa.h>
#include <wolfssl/wolfcrypt/sha256.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

struct DevKey::Impl {
    RsaKey key;
    WC_RNG rng;
};

const DevKey& DevKey::Get() {
    static const DevKey key;
    return key;
}

DevKey::DevKey() : mImpl(new Impl) {
    std::ifstream in(DEV_PRIVATE_KEY_FILE, std::ios::binary);
    const std::string pem((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<unsigned char> der(pem.size());
    const int derLength =
        wc_KeyPemToDer(reinterpret_cast<const unsigned char*>(pem.data()), static_cast<int>(pem.size()),
                       der.data(), static_cast<int>(der.size()), nullptr);
    word32 index = 0;
    if (derLength <= 0 || wc_InitRsaKey(&mImpl->key, nullptr) != 0 ||
        wc_RsaPrivateKeyDecode(der.data(), &index, &mImpl->key, static_cast<word32>(derLength)) != 0 ||
        wc_InitRng(&mImpl->rng) != 0)
        throw std::runtime_error("cannot load the development key " DEV_PRIVATE_KEY_FILE);
    wc_RsaSetRNG(&mImpl->key, &mImpl->rng);
    std::vector<std::uint8_t> e(16), n(512);
    word32 eLength = static_cast<word32>(e.size()), nLength = static_cast<word32>(n.size());
    if (wc_RsaFlattenPublicKey(&mImpl->key, e.data(), &eLength, n.data(), &nLength) != 0 || nLength != 256)
        throw std::runtime_error("the development key is not a 256-byte key");
    mModulus.assign(n.begin(), n.begin() + nLength);
}

DevKey::~DevKey() {
    wc_FreeRsaKey(&mImpl->key);
    wc_FreeRng(&mImpl->rng);
    delete mImpl;
}

std::vector<std::uint8_t> DevKey::RawPrivate(std::span<const std::uint8_t> block) const {
    if (block.size() != 256) throw std::invalid_argument("a block has 256 bytes");
    std::vector<std::uint8_t> out(256);
    word32 outLength = static_cast<word32>(out.size());
    if (wc_RsaFunction(block.data(), static_cast<word32>(block.size()), out.data(), &outLength,
                       RSA_PRIVATE_DECRYPT, &mImpl->key, &mImpl->rng) != 0 ||
        outLength != 256)
        throw std::runtime_error("raw private-key operation failed");
    return out;
}

std::vector<std::uint8_t> DevKey::SignBare(std::span<const std::uint8_t> data) const {
    return RawPrivate(BareDigestBlock(Sha256(data)));
}

std::array<std::uint8_t, 32> DevKey::Sha256(std::span<const std::uint8_t> data) {
    std::array<std::uint8_t, 32> digest{};
    if (wc_Sha256Hash(data.data(), static_cast<word32>(data.size()), digest.data()) != 0)
        throw std::runtime_error("SHA-256 failed");
    return digest;
}

std::vector<std::uint8_t> DevKey::BareDigestBlock(std::span<const std::uint8_t> digest) {
    std::vector<std::uint8_t> block{0x00, 0x01};
    block.resize(256 - digest.size() - 1, 0xFF);
    block.push_back(0x00);
    block.insert(block.end(), digest.begin(), digest.end());
    return block;
}

bool DevKey::IsEmbeddedInSealCheck() const {
    const auto embedded = sealcheck::PublicKey::FromPem(sealcheck::EmbeddedPublicKeyPem());
    return embedded.IsLoaded() &&
           std::equal(mModulus.begin(), mModulus.end(), embedded.Modulus().begin(), embedded.Modulus().end());
}
