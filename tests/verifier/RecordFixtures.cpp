#include "RecordFixtures.h"

#include "DevKey.h"
#include "recordfile/TVDR.h"

#include <QFile>
#include <stdexcept>

Bytes GenuineSignature(std::span<const std::uint8_t> signedBytes) {
    return DevKey::Get().SignBare(signedBytes);
}

Bytes ToBytes(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

std::vector<VdrBlock> SampleBlocks() {
    return {
        {0x02, "TECH", {0x41, 0x42, 0x43, 0x2D, 0x31, 0x32, 0x33, 0x00, 0x20, 0x24, 0x01, 0x15}},
        {0x00, "EVENTS", {0x01, 0x20, 0x24, 0x01, 0x15, 0x08, 0x30, 0x00, 0x00}},
        {0x01, "SPEED", {60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72}},
        {0x05, "", {}},
    };
}

Bytes SampleDatContent() {
    Bytes content;
    for (int i = 0; i < 100; ++i)
        content.push_back(static_cast<std::uint8_t>(i * 37 + 11));
    return content;
}

Bytes WriterVdr(const std::vector<VdrBlock>& blocks) {
    TVDR vdr;
    vdr.SaveFileStart();
    for (const VdrBlock& block : blocks) {
        TDVRDataBlock b;
        b.u8Code = block.code;
        b.Caption = QByteArray::fromStdString(block.caption);
        b.u32Len = static_cast<std::uint32_t>(block.data.size());
        b.Data = block.data.data();
        vdr.SaveFileAddDataBlock(b);
    }
    const QByteArray bytes = vdr.SaveFileBytes();
    vdr.SaveFileClear();
    return Bytes(bytes.begin(), bytes.end());
}

namespace {

void AppendBlock(Bytes& out, std::uint8_t code, std::string caption, std::span<const std::uint8_t> data) {
    out.push_back(code);
    caption.resize(18, ' ');
    out.insert(out.end(), caption.begin(), caption.end());
    const auto length = static_cast<std::uint32_t>(data.size());
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(length >> shift));
    out.insert(out.end(), data.begin(), data.end());
}

Bytes CheckedSignature(const Signer& signer, std::span<const std::uint8_t> signedBytes) {
    Bytes signature = signer(signedBytes);
    if (signature.size() != 256) throw std::logic_error("a signature has 256 bytes");
    return signature;
}

} // namespace

Bytes SignedVdr(const std::vector<VdrBlock>& blocks, const Signer& signer) {
    const std::size_t count = blocks.size() + 1;
    Bytes out{static_cast<std::uint8_t>(count >> 8), static_cast<std::uint8_t>(count)};
    for (const VdrBlock& block : blocks)
        AppendBlock(out, block.code, block.caption, block.data);
    const Bytes signature = CheckedSignature(signer, out);
    AppendBlock(out, kFixtureSignatureCode, "SIGNATURE", signature);
    unsigned sum = 0;
    for (std::size_t i = 2; i < out.size(); ++i)
        sum += out[i];
    out.push_back(static_cast<std::uint8_t>(sum));
    return out;
}

Bytes SignedDat(const Bytes& content, const Signer& signer) {
    const Bytes signature = CheckedSignature(signer, content);
    Bytes out = content;
    out.insert(out.end(), 32, 'T'); // record 1
    std::size_t taken = 0;
    for (int record = 2; record <= 12; ++record) {
        for (int i = 0; i < 8; ++i)
            out.push_back(static_cast<std::uint8_t>(0xA0 + record));
        const std::size_t bytes = record < 12 ? 24 : 16;
        out.insert(out.end(), signature.begin() + taken, signature.begin() + taken + bytes);
        taken += bytes;
    }
    out.insert(out.end(), 8, 'E'); // end of record 12
    return out;
}

void WriteBytes(const QString& path, std::span<const std::uint8_t> bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()))
        throw std::runtime_error("cannot write " + path.toStdString());
}

Bytes ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
    const QByteArray bytes = file.readAll();
    return Bytes(bytes.begin(), bytes.end());
}
