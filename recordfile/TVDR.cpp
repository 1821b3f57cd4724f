#include "recordfile/TVDR.h"

#include "settings/Big5Codec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstring>

void TVDR::releaseTable() {
    mVDR = TVDRRecord();
    mTableCount = 0;
    mFileBytes.reset();
    mFileSize = 0;
    mPos = 0;
}

bool TVDR::LoadFile(const QString& szFileName) {
    QFileInfo info(szFileName);
    if (!info.exists()) return false;
    releaseTable();
    QFile f(szFileName);
    if (!info.isFile() || !f.open(QIODevice::ReadOnly)) return false;
    const qint64 size = f.size();
    if (size < 0) return false;
    auto bytes = std::make_unique_for_overwrite<std::uint8_t[]>(static_cast<std::size_t>(size) + 1);
    qint64 got = 0;
    while (got < size) {
        const qint64 n = f.read(reinterpret_cast<char*>(bytes.get()) + got, size - got);
        if (n <= 0) return false;
        got += n;
    }
    // Anything beyond the size seen at open (a growing file) is a trailing byte.
    char extra;
    if (f.read(&extra, 1) > 0) return false;
    return LoadBytes(std::move(bytes), static_cast<std::size_t>(size));
}

bool TVDR::LoadBytes(std::unique_ptr<std::uint8_t[]> bytes, std::size_t size) {
    releaseTable();
    mFileBytes = std::move(bytes);
    mFileSize = size;
    mPos = 0;

    mVDR.nDataBlockCount = GetDataBlockCount();
    if (mVDR.IsError || mVDR.nDataBlockCount > kMaxBlocks) {
        mVDR.nDataBlockCount = mVDR.IsError ? 0 : mVDR.nDataBlockCount;
        return false;
    }
    for (int i = 0; i < mVDR.nDataBlockCount; ++i) {
        if (!GetDataBlock(i)) return false;
    }
    mVDR.u8CRC = VDRStreamReadBYTE();
    return !mVDR.IsError && mPos == mFileSize;
}

std::int32_t TVDR::GetDataBlockCount() {
    return VDRStreamReadWord();
}

bool TVDR::GetDataBlock(int nBlockNo) {
    if (nBlockNo < 0 || nBlockNo >= kMaxBlocks) return false;
    TDVRDataBlock& b = mVDR.DataBlock[nBlockNo];
    b.u8Code = VDRStreamReadBYTE();
    b.Caption = VDRStreamReadString(kCaptionBytes);
    const qsizetype nul = b.Caption.indexOf('\0');
    if (nul >= 0) b.Caption.truncate(nul);
    b.u32Len = VDRStreamReadDWord();
    if (mVDR.IsError || mFileSize - mPos < b.u32Len) {
        b = TDVRDataBlock();
        return false;
    }
    b.Data = b.u32Len ? mFileBytes.get() + mPos : nullptr;
    mPos += b.u32Len;
    mTableCount = nBlockNo + 1;
    return true;
}

bool TVDR::take(std::size_t n) {
    if (mVDR.IsError || mFileSize - mPos < n) {
        mVDR.IsError = true;
        return false;
    }
    return true;
}

std::uint8_t TVDR::VDRStreamReadBYTE() {
    if (!take(1)) return 0;
    return mFileBytes[mPos++];
}

std::uint16_t TVDR::VDRStreamReadWord() {
    if (!take(2)) return 0;
    const std::uint16_t v = static_cast<std::uint16_t>((mFileBytes[mPos] << 8) | mFileBytes[mPos + 1]);
    mPos += 2;
    return v;
}

std::uint32_t TVDR::VDRStreamReadDWord() {
    if (!take(4)) return 0;
    const std::uint8_t* p = mFileBytes.get() + mPos;
    mPos += 4;
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

QByteArray TVDR::VDRStreamReadString(int nLength) {
    if (nLength <= 0 || !take(static_cast<std::size_t>(nLength))) return {};
    QByteArray s(reinterpret_cast<const char*>(mFileBytes.get() + mPos), nLength);
    mPos += static_cast<std::size_t>(nLength);
    return s;
}

const std::uint8_t* TVDR::GetData(std::uint8_t u8Code, std::uint32_t& nDataLen) const {
    nDataLen = 0;
    for (int i = mTableCount - 1; i >= 0; --i) {
        const TDVRDataBlock& b = mVDR.DataBlock[i];
        if (b.u8Code == u8Code) {
            if (b.u32Len == 0) return nullptr;
            nDataLen = b.u32Len;
            return b.Data;
        }
    }
    return nullptr;
}

std::span<const std::uint8_t> TVDR::GetData(std::uint8_t u8Code) const {
    std::uint32_t n = 0;
    const std::uint8_t* p = GetData(u8Code, n);
    return p ? std::span<const std::uint8_t>(p, n) : std::span<const std::uint8_t>();
}

QByteArray TVDR::CaptionBytes(const QString& caption) {
    QByteArray bytes = Big5Codec::fromUnicode(caption);
    if (bytes.size() < kCaptionBytes) bytes.append(kCaptionBytes - bytes.size(), ' ');
    bytes.truncate(kCaptionBytes);
    return bytes;
}

bool TVDR::SaveFileStart() {
    mSaveVDR.SaveStream = std::make_unique<QByteArray>(2, '\0');
    mSaveVDR.u16BlockCount = 0;
    mSaveVDR.szVehicleID = QStringLiteral("未知車牌");
    return true;
}

bool TVDR::SaveFileAddDataBlock(const TDVRDataBlock& DataBlock) {
    if (!mSaveVDR.SaveStream) return false;
    QByteArray& s = *mSaveVDR.SaveStream;
    mSaveVDR.u16BlockCount += 1;
    s.append(static_cast<char>(DataBlock.u8Code));
    QByteArray caption = DataBlock.Caption;
    if (caption.size() < kCaptionBytes) caption.append(kCaptionBytes - caption.size(), ' ');
    s.append(caption.constData(), kCaptionBytes);
    const std::uint32_t n = DataBlock.u32Len;
    const char len[4] = {char(n >> 24), char(n >> 16), char(n >> 8), char(n)};
    s.append(len, 4);
    if (n && DataBlock.Data)
        s.append(reinterpret_cast<const char*>(DataBlock.Data), n);
    else if (n)
        s.append(static_cast<qsizetype>(n), '\0');
    return true;
}

QByteArray TVDR::SaveFileBytes() const {
    if (!mSaveVDR.SaveStream) return {};
    QByteArray out = *mSaveVDR.SaveStream;
    out[0] = static_cast<char>(mSaveVDR.u16BlockCount >> 8);
    out[1] = static_cast<char>(mSaveVDR.u16BlockCount & 0xFF);
    unsigned sum = 0;
    for (qsizetype i = 2; i < out.size(); ++i)
        sum += static_cast<std::uint8_t>(out[i]);
    out.append(static_cast<char>(sum & 0xFF));
    return out;
}

bool TVDR::SaveFileFinish(const QString& szFileName) {
    if (!mSaveVDR.SaveStream) return false;
    const QByteArray bytes = SaveFileBytes();
    mSaveVDR.SaveStream.reset();
    // Written beside the target and renamed into place, so a failed write never
    // leaves a half-written file and never destroys the old one.
    QSaveFile f(szFileName);
    f.setDirectWriteFallback(false);
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

void TVDR::SaveFileClear() {
    if (!mSaveVDR.SaveStream) return;
    mSaveVDR.SaveStream.reset();
    mSaveVDR.szVehicleID = QStringLiteral("未知車牌");
    mSaveVDR.u16BlockCount = 0;
}
