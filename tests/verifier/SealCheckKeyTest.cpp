// The public key that SealCheck carries, and what happens when a key does not load.
#include "DevKey.h"
#include "RecordFixtures.h"
#include "verifier/EmbeddedPublicKey.h"
#include "verifier/PublicKey.h"
#include "verifier/RecordVerifier.h"
#include "verifier/SignatureTest.h"

#include <wolfssl/options.h>

#include <wolfssl/wolfcrypt/asn_public.h>
#include <wolfssl/wolfcrypt/rsa.h>

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

namespace {

std::vector<std::string> SplitCrLf(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string_view::npos; start = end + 2)
        lines.emplace_back(text.substr(start, end - start));
    lines.emplace_back(text.substr(start));
    return lines;
}

// PEM SubjectPublicKeyInfo, base64 in 64-character lines, CR LF between lines and
// none after the end marker: 458 characters, 293 bytes of DER, a modulus of 2047
// significant bits and the exponent 65537.
TEST(SealCheckKey, EmbeddedKeyHasTheRecordersForm) {
    const std::string_view pem = sealcheck::EmbeddedPublicKeyPem();
    EXPECT_EQ(pem.size(), 458u);
    const auto lines = SplitCrLf(pem);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines.front(), "-----BEGIN PUBLIC KEY-----");
    EXPECT_EQ(lines.back(), "-----END PUBLIC KEY-----");
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        EXPECT_EQ(lines[i].find_first_of("\r\n"), std::string::npos);
        if (i + 2 < lines.size())
            EXPECT_EQ(lines[i].size(), 64u) << "line " << i;
        else
            EXPECT_LT(lines[i].size(), 64u);
    }

    std::vector<unsigned char> der(1024);
    const int derLength =
        wc_PubKeyPemToDer(reinterpret_cast<const unsigned char*>(pem.data()), static_cast<int>(pem.size()),
                          der.data(), static_cast<int>(der.size()));
    EXPECT_EQ(derLength, 293);
    ASSERT_GT(derLength, 0);
    RsaKey key;
    ASSERT_EQ(wc_InitRsaKey(&key, nullptr), 0);
    word32 index = 0;
    ASSERT_EQ(wc_RsaPublicKeyDecode(der.data(), &index, &key, static_cast<word32>(derLength)), 0);
    std::vector<std::uint8_t> e(8), n(512);
    word32 eLength = static_cast<word32>(e.size()), nLength = static_cast<word32>(n.size());
    ASSERT_EQ(wc_RsaFlattenPublicKey(&key, e.data(), &eLength, n.data(), &nLength), 0);
    wc_FreeRsaKey(&key);
    EXPECT_EQ(std::vector<std::uint8_t>(e.begin(), e.begin() + eLength),
              (std::vector<std::uint8_t>{0x01, 0x00, 0x01}));
    EXPECT_EQ(nLength, 256u);
    EXPECT_EQ(n[0] & 0xC0, 0x40) << "2047 significant bits";

    const auto loaded = sealcheck::PublicKey::FromPem(pem);
    EXPECT_TRUE(loaded.IsLoaded());
    EXPECT_EQ(loaded.SizeInBytes(), 256u);
}

TEST(SealCheckKey, DefaultBuildCarriesTheDevelopmentKeysPublicHalf) {
#ifdef SEALCHECK_DEFAULT_KEY
    EXPECT_TRUE(DevKey::Get().IsEmbeddedInSealCheck());
#else
    GTEST_SKIP() << "built with another public key";
#endif
}

// A key that does not load makes every check fail with the one code -3, never
// a crash and never success.
TEST(SealCheckKey, KeysThatDoNotLoadFailEveryCheck) {
    REQUIRE_DEV_KEY_EMBEDDED();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray vdr = dir.filePath("g.vdr").toLocal8Bit();
    const QByteArray dat = dir.filePath("g.dat").toLocal8Bit();
    WriteBytes(dir.filePath("g.vdr"), SignedVdr(SampleBlocks()));
    WriteBytes(dir.filePath("g.dat"), SignedDat(SampleDatContent()));

    const std::string good(sealcheck::EmbeddedPublicKeyPem());
    std::string badBase64 = good;
    badBase64[100] = '*';
    const Bytes privatePem = ReadBytes(QStringLiteral(DEV_PRIVATE_KEY_FILE));
    struct Case {
        const char* name;
        std::string pem;
        bool loads;
    };
    const Case cases[] = {
        {"embedded key", good, true},
        {"empty text", "", false},
        {"not PEM", "public key", false},
        {"cut short", good.substr(0, 200), false},
        {"no end marker", good.substr(0, good.size() - 24), false},
        {"bad base64", badBase64, false},
        {"a private key", std::string(privatePem.begin(), privatePem.end()), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto key = sealcheck::PublicKey::FromPem(c.pem);
        EXPECT_EQ(key.IsLoaded(), c.loads);
        EXPECT_EQ(sealcheck::VerifyVdr(key, vdr.constData()), c.loads ? 0 : -3);
        EXPECT_EQ(sealcheck::VerifyDat(key, dat.constData()), c.loads ? 0 : -3);
    }
}

// The block check on its own, for block lengths a 256-byte key never yields.
TEST(SealCheckBlock, RejectsBlocksTooShortForTheRules) {
    const auto digest = DevKey::Sha256(ToBytes("data"));
    const Bytes exact = DevKey::BareDigestBlock(digest);
    EXPECT_TRUE(sealcheck::IsBareDigestBlock(exact, digest));
    const Bytes cases[] = {{}, {0x00}, {0x00, 0x01}, {0x00, 0x01, 0xFF}, {0x00, 0x01, 0x00}};
    for (const Bytes& block : cases)
        EXPECT_FALSE(sealcheck::IsBareDigestBlock(block, digest)) << block.size() << " bytes";
    Bytes shortPadding = {0x00, 0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    shortPadding.insert(shortPadding.end(), digest.begin(), digest.end());
    EXPECT_FALSE(sealcheck::IsBareDigestBlock(shortPadding, digest)) << "7 FF";
    shortPadding.insert(shortPadding.begin() + 2, 0xFF);
    EXPECT_TRUE(sealcheck::IsBareDigestBlock(shortPadding, digest)) << "8 FF";
}

} // namespace
