// Signatures made with the raw private-key operation over hand-built blocks that
// are almost, but not exactly, a type-1 block carrying the bare digest. Each
// would pass a verifier that skips one of the rules; only the exact form passes.
#include "DevKey.h"
#include "ProgramRun.h"
#include "RecordFixtures.h"

#include <QTemporaryDir>
#include <cctype>
#include <gtest/gtest.h>

namespace {

Bytes Repeat(std::uint8_t byte, std::size_t count) {
    return Bytes(count, byte);
}

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

// ASN.1 DigestInfo prefix for SHA-256, as PKCS#1 signatures usually carry it.
const Bytes kSha256DigestInfo = {0x30, 0x31, 0x30, 0x0D, 0x06, 0x09, 0x60, 0x86, 0x48, 0x01,
                                 0x65, 0x03, 0x04, 0x02, 0x01, 0x05, 0x00, 0x04, 0x20};

struct Forgery {
    const char* name;
    // The 256-byte block to raise to the private exponent, given the digest H of
    // the signed bytes.
    Bytes (*block)(const Bytes& h);
    bool passes;
};

void PrintTo(const Forgery& forgery, std::ostream* os) {
    *os << forgery.name;
}

const Forgery kForgeries[] = {
    {"exact form",
     [](const Bytes& h) {
         return Join({{0x00, 0x01}, Repeat(0xFF, 221), {0x00}, h});
     },
     true},
    {"7 FF, digest after the separator",
     [](const Bytes& h) {
         return Join({{0x00, 0x01}, Repeat(0xFF, 7), {0x00}, h, Repeat(0x00, 214)});
     },
     false},
    {"7 FF, digest at the end",
     [](const Bytes& h) {
         return Join({{0x00, 0x01}, Repeat(0xFF, 7), {0x00}, Repeat(0x00, 214), h});
     },
     false},
    {"0 FF, digest at the end",
     [](const Bytes& h) {
         return Join({{0x00, 0x01, 0x00}, Repeat(0x00, 221), h});
     },
     false},
    {"block type 2",
     [](const Bytes& h) {
         return Join({{0x00, 0x02}, Repeat(0xFF, 221), {0x00}, h});
     },
     false},
    {"block type 0",
     [](const Bytes& h) {
         return Join({{0x00, 0x00}, Repeat(0xFF, 221), {0x00}, h});
     },
     false},
    {"wrong leading byte",
     [](const Bytes& h) {
         return Join({{0x01, 0x01}, Repeat(0xFF, 221), {0x00}, h});
     },
     false},
    {"31-byte payload, digest head",
     [](const Bytes& h) {
         return Join({{0x00, 0x01}, Repeat(0xFF, 222), {0x00}, Bytes(h.begin(), h.end() - 1)});
     },
     false},
    {"31-byte payload, digest tail",
     [](const Bytes& h) {
         return Join({{0x00, 0x01}, Repeat(0xFF, 222), {0x00}, Bytes(h.begin() + 1, h.end())});
     },
     false},
    {"33-byte payload, digest then a byte",
     [](const Bytes& h) {
         return Join({{0x00, 0x01}, Repeat(0xFF, 220), {0x00}, h, {0x00}});
     },
     false},
    {"33-byte payload, a byte then the digest",
     [](const Bytes& h) {
         return Join({{0x00, 0x01}, Repeat(0xFF, 220), {0x00, 0x00}, h});
     },
     false},
    {"DigestInfo-wrapped digest",
     [](const Bytes& h) {
         return Join({{0x00, 0x01}, Repeat(0xFF, 202), {0x00}, kSha256DigestInfo, h});
     },
     false},
    {"digest of other data",
     [](const Bytes&) {
         const auto other = DevKey::Sha256(ToBytes("other data"));
         return Join({{0x00, 0x01}, Repeat(0xFF, 221), {0x00}, Bytes(other.begin(), other.end())});
     },
     false},
    {"padding of FE bytes",
     [](const Bytes& h) {
         return Join({{0x00, 0x01}, Repeat(0xFE, 221), {0x00}, h});
     },
     false},
    {"FF run ended by 01",
     [](const Bytes& h) {
         return Join({{0x00, 0x01}, Repeat(0xFF, 221), {0x01}, h});
     },
     false},
    {"FF up to the end",
     [](const Bytes&) {
         return Join({{0x00, 0x01}, Repeat(0xFF, 254)});
     },
     false},
};

class SealCheckForgery : public ::testing::TestWithParam<Forgery> {
  protected:
    void SetUp() override {
        REQUIRE_DEV_KEY_EMBEDDED();
        ASSERT_TRUE(dir.isValid());
    }
    QTemporaryDir dir;
};

TEST_P(SealCheckForgery, OnlyTheExactFormVerifies) {
    const Forgery& forgery = GetParam();
    const Signer forge = [&](std::span<const std::uint8_t> signedBytes) {
        const auto h = DevKey::Sha256(signedBytes);
        const Bytes block = forgery.block(Bytes(h.begin(), h.end()));
        EXPECT_EQ(block.size(), 256u);
        return DevKey::Get().RawPrivate(block);
    };
    const QString vdr = dir.filePath("f.vdr");
    const QString dat = dir.filePath("f.dat");
    WriteBytes(vdr, SignedVdr(SampleBlocks(), forge));
    WriteBytes(dat, SignedDat(SampleDatContent(), forge));
    if (forgery.passes) {
        EXPECT_TRUE(Says(RunSealCheck({vdr}), "Verification SUCCESS", 0));
        EXPECT_TRUE(Says(RunSealCheck({dat}), "Verification SUCCESS", 0));
    } else {
        EXPECT_TRUE(Says(RunSealCheck({vdr}), "Verification FAILED: -3", 252));
        EXPECT_TRUE(Says(RunSealCheck({dat}), "Verification FAILED: -3", 252));
    }
}

INSTANTIATE_TEST_SUITE_P(Blocks, SealCheckForgery, ::testing::ValuesIn(kForgeries),
                         [](const ::testing::TestParamInfo<Forgery>& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

// Signature values that no block was raised to: the genuine signature plus the
// modulus (the same value modulo n, but out of range), the modulus itself, zero,
// and all bits set.
TEST(SealCheckSignatureValue, OutOfRangeAndDegenerateValuesFail) {
    REQUIRE_DEV_KEY_EMBEDDED();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Bytes& n = DevKey::Get().Modulus();
    struct Case {
        const char* name;
        Bytes (*value)(const Bytes& genuine, const Bytes& n);
    };
    const Case cases[] = {
        {"genuine plus modulus",
         [](const Bytes& s, const Bytes& n) {
             Bytes sum(256);
             unsigned carry = 0;
             for (std::size_t i = 256; i-- > 0;) {
                 const unsigned v = s[i] + n[i] + carry;
                 sum[i] = static_cast<std::uint8_t>(v);
                 carry = v >> 8;
             }
             EXPECT_EQ(carry, 0u) << "a 2047-bit modulus leaves room for S + n in 256 bytes";
             return sum;
         }},
        {"modulus", [](const Bytes&, const Bytes& n) { return n; }},
        {"zero", [](const Bytes&, const Bytes&) { return Bytes(256, 0x00); }},
        {"one",
         [](const Bytes&, const Bytes&) {
             return Join({Repeat(0x00, 255), {0x01}});
         }},
        {"all bits set", [](const Bytes&, const Bytes&) { return Bytes(256, 0xFF); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Signer sign = [&](std::span<const std::uint8_t> signedBytes) {
            return c.value(GenuineSignature(signedBytes), n);
        };
        const QString path = dir.filePath("v.vdr");
        WriteBytes(path, SignedVdr(SampleBlocks(), sign));
        EXPECT_TRUE(Says(RunSealCheck({path}), "Verification FAILED: -3", 252));
    }
}

} // namespace
