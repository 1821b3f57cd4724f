#pragma once
// The .vdr record file: a 16-bit block count, the blocks (code, 18-byte caption,
// 32-bit length, data; all numbers big-endian) and a trailing check byte.
// One TVDR reads a file into a table of blocks and builds a new file block by block.
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <span>

enum BlockCode : std::uint8_t {
    kBlockEventsAndFaults = 0x00,
    kBlockDetailedSpeed = 0x01,
    kBlockTechnicalData = 0x02,
    kBlockDriverActivity = 0x03,
    kBlockGpsPositions = 0x04,
    kBlockControlLog = 0x05,
};

inline constexpr int kCaptionBytes = 18;
inline constexpr int kBlockHeadBytes = 1 + kCaptionBytes + 4;
inline constexpr int kMaxBlocks = 32;

struct TDVRDataBlock {
    std::uint8_t u8Code = 0;
    QByteArray Caption; // 8-bit text in the system's code page
    std::uint32_t u32Len = 0;
    const std::uint8_t* Data = nullptr;
};

struct TVDRRecord {
    bool IsError = false;
    std::int32_t nDataBlockCount = 0;
    std::array<TDVRDataBlock, kMaxBlocks> DataBlock{};
    std::uint8_t u8CRC = 0;
};

struct TSaveVDR {
    QString szVehicleID = QStringLiteral("未知車牌");
    std::uint16_t u16BlockCount = 0;
    std::unique_ptr<QByteArray> SaveStream; // absent when no file is under construction
};

class TVDR {
  public:
    TVDR() = default;
    TVDR(const TVDR&) = delete;
    TVDR& operator=(const TVDR&) = delete;

    // Reading
    bool LoadFile(const QString& szFileName);
    // Loads from bytes already in memory (same rules as LoadFile).
    bool LoadBytes(std::unique_ptr<std::uint8_t[]> bytes, std::size_t size);
    const std::uint8_t* GetData(std::uint8_t u8Code, std::uint32_t& nDataLen) const;
    std::span<const std::uint8_t> GetData(std::uint8_t u8Code) const;

    const TVDRRecord& record() const { return mVDR; }
    // Number of blocks in the table after a load.
    int tableCount() const { return mTableCount; }

    // Writing: SaveFileStart, any number of SaveFileAddDataBlock, SaveFileFinish.
    bool SaveFileStart();
    bool SaveFileAddDataBlock(const TDVRDataBlock& DataBlock);
    bool SaveFileFinish(const QString& szFileName);
    void SaveFileClear();
    TSaveVDR& saveState() { return mSaveVDR; }
    const TSaveVDR& saveState() const { return mSaveVDR; }

    // The bytes of the file under construction as they would be written
    // (count and check byte in place); empty when none was started.
    QByteArray SaveFileBytes() const;

    // Caption bytes as written: code page 950, padded with spaces, cut at 18 bytes.
    static QByteArray CaptionBytes(const QString& caption);

  private:
    // The stream readers work on the file bytes of the load in progress.
    std::int32_t GetDataBlockCount();
    bool GetDataBlock(int nBlockNo);
    std::uint8_t VDRStreamReadBYTE();
    std::uint16_t VDRStreamReadWord();
    std::uint32_t VDRStreamReadDWord();
    QByteArray VDRStreamReadString(int nLength);
    bool take(std::size_t n);
    void releaseTable();

    TVDRRecord mVDR;
    int mTableCount = 0;
    // The whole file's bytes; the loaded blocks point into them until the next load.
    std::unique_ptr<std::uint8_t[]> mFileBytes;
    std::size_t mFileSize = 0;
    std::size_t mPos = 0;
    TSaveVDR mSaveVDR;
};
