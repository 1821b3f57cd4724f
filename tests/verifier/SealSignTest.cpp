// The development signer: the files it writes have the recorder's layout, carry a
// standard type-1 signature over the bare digest (openssl agrees), verify with
// SealCheck and still load in the analyser; malformed input is refused.
#include "DevKey.h"
#include "ProgramRun.h"
#include "RecordFixtures.h"
#include "recordfile/TVDR.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SealSign : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString Path(const QString& name) const { return dir.filePath(name); }

    // openssl's own check of a PKCS#1 v1.5 type-1 signature over raw bytes (no
    // digest set, so no DigestInfo is expected).
    bool OpensslAccepts(std::span<const std::uint8_t> signedBytes, std::span<const std::uint8_t> signature) {
        const auto digest = DevKey::Sha256(signedBytes);
        WriteBytes(Path("digest.bin"), digest);
        WriteBytes(Path("signature.bin"), signature);
        const ProgramRun run =
            ProgramRun::Of("openssl", {"pkeyutl", "-verify", "-inkey", DEV_PRIVATE_KEY_FILE, "-in",
                                       Path("digest.bin"), "-sigfile", Path("signature.bin")});
        return run.finished && run.exitCode == 0;
    }

    QTemporaryDir dir;
};

TEST_F(SealSign, SignsAVdrFileWithOneMoreBlock) {
    const Bytes input = WriterVdr(SampleBlocks());
    WriteBytes(Path("in.vdr"), input);
    const ProgramRun run =
        RunSealSign({"--key", DEV_PRIVATE_KEY_FILE, "--out", Path("out.vdr"), Path("in.vdr")});
    ASSERT_TRUE(run.finished && run.exitCode == 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    EXPECT_EQ(ReadBytes(Path("in.vdr")), input) << "--out leaves the input alone";

    const Bytes out = ReadBytes(Path("out.vdr"));
    const std::size_t L = out.size();
    ASSERT_EQ(L, input.size() - 1 + 23 + 256 + 1);
    EXPECT_EQ(out[0] << 8 | out[1], (input[0] << 8 | input[1]) + 1)
        << "the count includes the signature block";
    EXPECT_TRUE(std::equal(input.begin() + 2, input.end() - 1, out.begin() + 2))
        << "the blocks stay as they were";
    EXPECT_EQ(out[L - 280], 0xFF) << "a code that no decoder reads";
    EXPECT_EQ(Bytes(out.begin() + (L - 261), out.begin() + (L - 257)), (Bytes{0x00, 0x00, 0x01, 0x00}));
    unsigned sum = 0;
    for (std::size_t i = 2; i + 1 < L; ++i)
        sum += out[i];
    EXPECT_EQ(out[L - 1], sum % 256) << "the check byte covers the signature block";

    const std::span<const std::uint8_t> file(out);
    EXPECT_TRUE(OpensslAccepts(file.first(L - 280), file.subspan(L - 257, 256)));
    if (DevKey::Get().IsEmbeddedInSealCheck()) {
        EXPECT_TRUE(Says(RunSealCheck({Path("out.vdr")}), "Verification SUCCESS", 0));
    }

    TVDR vdr;
    ASSERT_TRUE(vdr.LoadFile(Path("out.vdr")));
    for (const VdrBlock& block : SampleBlocks()) {
        const auto data = vdr.GetData(block.code);
        EXPECT_EQ(Bytes(data.begin(), data.end()), block.data) << "block " << int(block.code);
    }
}

TEST_F(SealSign, SignsInPlaceWithoutOut) {
    WriteBytes(Path("demo.vdr"), WriterVdr(SampleBlocks()));
    const ProgramRun run = RunSealSign({"--key", DEV_PRIVATE_KEY_FILE, Path("demo.vdr")});
    ASSERT_TRUE(run.finished && run.exitCode == 0) << run.err.toStdString();
    const Bytes out = ReadBytes(Path("demo.vdr"));
    EXPECT_EQ(out.size(), WriterVdr(SampleBlocks()).size() + 279);
    if (DevKey::Get().IsEmbeddedInSealCheck()) {
        EXPECT_TRUE(Says(RunSealCheck({Path("demo.vdr")}), "Verification SUCCESS", 0));
    }
}

TEST_F(SealSign, SignsADatFileWithATrailer) {
    const Bytes content = SampleDatContent();
    WriteBytes(Path("in.DAT"), content);
    const ProgramRun run =
        RunSealSign({"--key", DEV_PRIVATE_KEY_FILE, "--out", Path("out.dat"), Path("in.DAT")});
    ASSERT_TRUE(run.finished && run.exitCode == 0) << run.err.toStdString();

    const Bytes out = ReadBytes(Path("out.dat"));
    const std::size_t L = out.size();
    ASSERT_EQ(L, content.size() + 384);
    EXPECT_TRUE(std::equal(content.begin(), content.end(), out.begin()));
    Bytes signature;
    for (std::size_t k = 2; k <= 12; ++k) {
        const auto from = out.begin() + (L - 344 + 32 * (k - 2));
        signature.insert(signature.end(), from, from + (k < 12 ? 24 : 16));
    }
    EXPECT_TRUE(OpensslAccepts(content, signature));
    if (DevKey::Get().IsEmbeddedInSealCheck()) {
        EXPECT_TRUE(Says(RunSealCheck({Path("out.dat")}), "Verification SUCCESS", 0));
    }
}

TEST_F(SealSign, RefusesWhatItCannotSign) {
    const Bytes unsignedVdr = WriterVdr(SampleBlocks());
    Bytes runPastEnd = unsignedVdr;
    runPastEnd[2 + 22] += 1; // the first block's length now reaches past the check byte
    const Bytes extraByte = [&] {
        Bytes b = unsignedVdr;
        b.push_back(0x00);
        return b;
    }();
    const Bytes noCheckByte(unsignedVdr.begin(), unsignedVdr.end() - 1);
    const Bytes countFull = WriterVdr(std::vector<VdrBlock>(0xFFFF, VdrBlock{0x00, "", {}}));
    ASSERT_EQ(countFull[0] << 8 | countFull[1], 0xFFFF);
    WriteBytes(Path("signed.vdr"), unsignedVdr);
    ASSERT_EQ(RunSealSign({"--key", DEV_PRIVATE_KEY_FILE, Path("signed.vdr")}).exitCode, 0);
    const Bytes alreadySigned = ReadBytes(Path("signed.vdr"));
    WriteBytes(Path("public.pem"),
               ToBytes("-----BEGIN PUBLIC KEY-----\r\nMIIBITAN\r\n-----END PUBLIC KEY-----"));
    struct Case {
        const char* what;
        const char* name;
        Bytes bytes;
        QString key;
    };
    const Case cases[] = {
        {"block running past the end", "a.vdr", runPastEnd, DEV_PRIVATE_KEY_FILE},
        {"byte after the check byte", "b.vdr", extraByte, DEV_PRIVATE_KEY_FILE},
        {"no check byte", "c.vdr", noCheckByte, DEV_PRIVATE_KEY_FILE},
        {"too short", "d.vdr", {0x00, 0x00}, DEV_PRIVATE_KEY_FILE},
        {"count already full", "e.vdr", countFull, DEV_PRIVATE_KEY_FILE},
        {"already signed", "f.vdr", alreadySigned, DEV_PRIVATE_KEY_FILE},
        {"empty .dat", "g.dat", {}, DEV_PRIVATE_KEY_FILE},
        {"other extension", "h.txt", unsignedVdr, DEV_PRIVATE_KEY_FILE},
        {"public key", "i.vdr", unsignedVdr, Path("public.pem")},
        {"missing key", "j.vdr", unsignedVdr, Path("missing.pem")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(Path(c.name), c.bytes);
        const ProgramRun run = RunSealSign({"--key", c.key, Path(c.name)});
        EXPECT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_EQ(ReadBytes(Path(c.name)), c.bytes) << "the file stays as it was";
    }
}

} // namespace
