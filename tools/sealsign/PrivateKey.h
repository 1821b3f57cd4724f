#pragma once
// An RSA private key loaded from PEM text (PKCS#1 "RSA PRIVATE KEY" or PKCS#8
// "PRIVATE KEY"), used to sign record files.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sealsign {

class PrivateKey {
  public:
    // Empty with a reason in error when the text holds no usable RSA private key.
    static std::optional<PrivateKey> FromPem(std::string_view pem, std::string& error);

    ~PrivateKey();
    PrivateKey(PrivateKey&&) noexcept;
    PrivateKey& operator=(PrivateKey&&) noexcept;

    std::size_t SizeInBytes() const;
    // PKCS#1 v1.5 type-1 signature over the bare digest: 00 01 FF..FF 00 digest,
    // raised to the private exponent.
    std::optional<std::vector<std::uint8_t>> SignDigest(std::span<const std::uint8_t> digest) const;

  private:
    PrivateKey();
    struct Impl;
    std::unique_ptr<Impl> mImpl;
};

} // namespace sealsign
