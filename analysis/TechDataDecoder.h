#pragma once
// Decoder of the technical data block (02H): the unit's maker, serial number,
// software, approval number and plate, followed by four change logs (odometer
// calibrations, clock adjustments, continuous-driving and cumulative-rest
// threshold changes), each with a one-byte count except the 16-bit first one.
#include "analysis/TechData.h"
#include "analysis/ValueHelpers.h"

namespace TechLayout {
// Head fields: offset and size from the start of the block.
inline constexpr int kMakerNameOffset = 0, kMakerNameSize = 36;
inline constexpr int kMakerAddressOffset = 36, kMakerAddressSize = 36;
inline constexpr int kSerialOffset = 72, kSerialSize = 8;
inline constexpr int kSoftwareNumberOffset = 80, kSoftwareNumberSize = 4;
inline constexpr int kInstallTimeOffset = 84, kInstallTimeSize = 7;
inline constexpr int kYearOffset = 91, kYearSize = 4;
inline constexpr int kApprovalOffset = 95, kApprovalSize = 8;
inline constexpr int kPlateOffset = 103, kPlateSize = 17;
inline constexpr int kCalibrationCountOffset = 120, kCalibrationCountSize = 2;
inline constexpr int kHeadSize = 122; // head and the calibration count
inline constexpr int kCountSize = 1;  // the counts of the three later logs

// Calibration record.
inline constexpr int kCalibrationSize = 58;
inline constexpr int kCalNameOffset = 0, kCalNameSize = 36;
inline constexpr int kCalOdometerBeforeOffset = 36, kCalOdometerAfterOffset = 40, kCalOdometerSize = 4;
inline constexpr int kCalTimeBeforeOffset = 44, kCalTimeAfterOffset = 51;

// Clock adjustment record.
inline constexpr int kClockSize = 14;
inline constexpr int kClockTimeBeforeOffset = 0, kClockTimeAfterOffset = 7;

// Threshold record (both threshold logs).
inline constexpr int kThresholdSize = 18;
inline constexpr int kThrTimeBeforeOffset = 0, kThrTimeAfterOffset = 7;
inline constexpr int kThrValueBeforeOffset = 14, kThrValueAfterOffset = 16, kThrValueSize = 2;

// Seven BCD bytes of a date and time.
inline constexpr int kTimeSize = 7;
// The smallest block: head, calibration count and three zero counts.
inline constexpr int kMinimumSize = kHeadSize + 3 * kCountSize;
} // namespace TechLayout

// The tree and plate of a technical data block. Never reads outside the block.
TechData DecodeTechData(Bytes block);

// The plate field of a technical data block, trimmed; empty when the block is
// shorter than the head or the field holds only blanks and NULs.
QString DecodeTechPlate(Bytes block);

// An odometer value of eight BCD digits in 0.1 km as the tree shows it ("%9.1f");
// digits that are not a decimal number give 0.0.
QString FormatOdometer(Bytes field);
