#pragma once
// An RSA public key loaded from PEM text (SubjectPublicKeyInfo). A key that did
// not load stays empty: it has no modulus and every raw operation fails.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace sealcheck {

class PublicKey {
  public:
    // PEM to DER (at most kMaxDerBytes), then DER to key. Never throws.
    static PublicKey FromPem(std::string_view pem);

    PublicKey();
    ~PublicKey();
    PublicKey(PublicKey&&) noexcept;
    PublicKey& operator=(PublicKey&&) noexcept;
    PublicKey(const PublicKey&) = delete;
    PublicKey& operator=(const PublicKey&) = delete;

    bool IsLoaded() const { return mKey != nullptr; }
    // (modulus bits + 7) / 8; 0 for a key that did not load.
    std::size_t SizeInBytes() const { return mModulus.size(); }
    // The modulus as SizeInBytes() big-endian bytes; empty when not loaded.
    std::span<const std::uint8_t> Modulus() const { return mModulus; }

    // M := S^e mod n, written as SizeInBytes() big-endian bytes. False when the key
    // did not load, S is not SizeInBytes() long, or S is not below the modulus.
    bool RawPublicOperation(std::span<const std::uint8_t> signature, std::vector<std::uint8_t>& out) const;

    static constexpr std::size_t kMaxDerBytes = 1024;

  private:
    struct Impl;
    std::unique_ptr<Impl> mKey;
    std::vector<std::uint8_t> mModulus;
};

} // namespace sealcheck
