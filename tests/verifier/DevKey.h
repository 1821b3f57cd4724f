#pragma once
// The development private key, for making genuine and forged signatures in tests.
// Signatures here come from the raw private-key operation on blocks built by
// hand, so that a test can produce any padding it likes.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

class DevKey {
  public:
    // The one key, loaded from the test tree on first use.
    static const DevKey& Get();

    // S := block^d mod n, 256 bytes; the block must be 256 bytes and below n.
    std::vector<std::uint8_t> RawPrivate(std::span<const std::uint8_t> block) const;
    // 00 01 FF..FF 00 SHA-256(data), raised to d: the signature of a genuine file.
    std::vector<std::uint8_t> SignBare(std::span<const std::uint8_t> data) const;
    // Big-endian, 256 bytes.
    const std::vector<std::uint8_t>& Modulus() const { return mModulus; }
    // SealCheck carries this key's public half (the build's default key).
    bool IsEmbeddedInSealCheck() const;

    static std::array<std::uint8_t, 32> Sha256(std::span<const std::uint8_t> data);
    // The type-1 block over a bare digest, exactly as a genuine signature carries it.
    static std::vector<std::uint8_t> BareDigestBlock(std::span<const std::uint8_t> digest);

    ~DevKey();

  private:
    DevKey();
    struct Impl;
    Impl* mImpl;
    std::vector<std::uint8_t> mModulus;
};

// For tests that need SealCheck to accept the development key's signatures; a
// build that embeds another key (a maker's) skips them.
#define REQUIRE_DEV_KEY_EMBEDDED()                                                                           \
    do {                                                                                                     \
        if (!DevKey::Get().IsEmbeddedInSealCheck())                                                          \
            GTEST_SKIP() << "SealCheck was built with another public key";                                   \
    } while (false)
