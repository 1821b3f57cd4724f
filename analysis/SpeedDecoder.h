#pragma once
// Decodes the detailed speed block (01H) into the speed model.
#include "analysis/SpeedModel.h"

#include <functional>
#include <memory>

// A block is accepted only when N is not 0 and its length is exactly
// 2 + 127 * N bytes; otherwise the model is empty. Records whose time is not a
// real date and time are left out of the minute and day lists. onRecord, when
// given, is called with j = 1 .. N before record j is decoded, so that the
// caller can report progress.
std::shared_ptr<const SpeedModel> DecodeSpeedRecord(Bytes block,
                                                    const std::function<void(int)>& onRecord = {});
