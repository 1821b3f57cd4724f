// Which bytes of a genuine file the signature covers. Every byte of a genuine
// file is changed in turn and checked with the verifier library; a set of
// representative changes is also checked through the SealCheck program.
#include "DevKey.h"
#include "ProgramRun.h"
#include "RecordFixtures.h"
#include "verifier/EmbeddedPublicKey.h"
#include "verifier/PublicKey.h"
#include "verifier/RecordVerifier.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

namespace {

// A run of offsets [begin, end) of a file and the result of changing any one of them.
struct Region {
    std::size_t begin;
    std::size_t end;
    int result;
    std::string what;
};

// The signed .vdr layout for a file of length L, as the recorder writes it.
std::vector<Region> VdrRegions(std::size_t L) {
    return {
        {0, L - 280, -3, "block count and blocks before the signature block"},
        {L - 280, L - 257, 0, "signature block code, caption and length"},
        {L - 257, L - 1, -3, "signature"},
        {L - 1, L, 0, "check byte"},
    };
}

// The signed .dat layout for a file of length L.
std::vector<Region> DatRegions(std::size_t L) {
    std::vector<Region> regions{
        {0, L - 384, -3, "content"},
        {L - 384, L - 352, 0, "trailer record 1"},
    };
    for (std::size_t k = 2; k <= 12; ++k) {
        const std::size_t head = L - 352 + 32 * (k - 2);
        const std::string record = "trailer record " + std::to_string(k);
        regions.push_back({head, head + 8, 0, record + " head"});
        regions.push_back({head + 8, head + 8 + (k < 12 ? 24 : 16), -3, record + " signature bytes"});
    }
    regions.push_back({L - 8, L, 0, "end of trailer record 12"});
    return regions;
}

Bytes Flipped(Bytes bytes, std::size_t at) {
    bytes[at] ^= 0x01;
    return bytes;
}

class SealCheckSignedRange : public ::testing::Test {
  protected:
    void SetUp() override {
        REQUIRE_DEV_KEY_EMBEDDED();
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(key.IsLoaded());
    }

    using Verify = int (*)(const sealcheck::PublicKey&, const char*);

    // Changes every byte in turn; returns the offsets whose result was not the
    // region's, with what was found.
    std::vector<std::string> Sweep(const Bytes& genuine, const std::vector<Region>& regions,
                                   const QString& name, Verify verify) {
        const QString path = dir.filePath(name);
        const QByteArray native = path.toLocal8Bit();
        std::vector<std::string> wrong;
        std::size_t covered = 0;
        for (const Region& region : regions) {
            covered += region.end - region.begin;
            for (std::size_t at = region.begin; at < region.end; ++at) {
                WriteBytes(path, Flipped(genuine, at));
                const int result = verify(key, native.constData());
                if (result != region.result)
                    wrong.push_back("offset " + std::to_string(at) + " (" + region.what +
                                    "): " + std::to_string(result));
            }
        }
        EXPECT_EQ(covered, genuine.size()) << "the regions must cover the whole file";
        return wrong;
    }

    QTemporaryDir dir;
    const sealcheck::PublicKey key = sealcheck::PublicKey::FromPem(sealcheck::EmbeddedPublicKeyPem());
};

TEST_F(SealCheckSignedRange, GenuineFilesVerifyUnchanged) {
    WriteBytes(dir.filePath("g.vdr"), SignedVdr(SampleBlocks()));
    WriteBytes(dir.filePath("g.dat"), SignedDat(SampleDatContent()));
    EXPECT_EQ(sealcheck::VerifyVdr(key, dir.filePath("g.vdr").toLocal8Bit().constData()), 0);
    EXPECT_EQ(sealcheck::VerifyDat(key, dir.filePath("g.dat").toLocal8Bit().constData()), 0);
}

TEST_F(SealCheckSignedRange, EveryByteOfAVdrFile) {
    const Bytes genuine = SignedVdr(SampleBlocks());
    EXPECT_EQ(Sweep(genuine, VdrRegions(genuine.size()), "t.vdr", sealcheck::VerifyVdr),
              std::vector<std::string>{});
}

TEST_F(SealCheckSignedRange, EveryByteOfADatFile) {
    const Bytes genuine = SignedDat(SampleDatContent());
    EXPECT_EQ(Sweep(genuine, DatRegions(genuine.size()), "t.dat", sealcheck::VerifyDat),
              std::vector<std::string>{});
}

// Through the program: the first and last byte of every region.
TEST_F(SealCheckSignedRange, RegionEdgesThroughTheProgram) {
    struct File {
        const char* name;
        Bytes genuine;
        std::vector<Region> regions;
    };
    const Bytes vdr = SignedVdr(SampleBlocks());
    const Bytes dat = SignedDat(SampleDatContent());
    const File files[] = {{"e.vdr", vdr, VdrRegions(vdr.size())}, {"e.dat", dat, DatRegions(dat.size())}};
    for (const File& file : files) {
        for (const Region& region : file.regions) {
            for (const std::size_t at : {region.begin, region.end - 1}) {
                SCOPED_TRACE(std::string(file.name) + " offset " + std::to_string(at) + ": " + region.what);
                const QString path = dir.filePath(file.name);
                WriteBytes(path, Flipped(file.genuine, at));
                if (region.result == 0)
                    EXPECT_TRUE(Says(RunSealCheck({path}), "Verification SUCCESS", 0));
                else
                    EXPECT_TRUE(Says(RunSealCheck({path}), "Verification FAILED: -3", 252));
            }
        }
    }
}

} // namespace
