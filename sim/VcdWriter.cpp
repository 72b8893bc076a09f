// SPDX-License-Identifier: MIT

#include "VcdWriter.h"

#include <algorithm>

namespace Pallix400Sim {

namespace {
constexpr char kChipSelectId = 'c';
constexpr char kClockId = 'k';
constexpr char kDataId = 'd';
}  // namespace

VcdWriter::VcdWriter(std::ostream& out)
    : out_(out)
{
}

void VcdWriter::Start(const PinLevels& levels)
{
    levels_ = levels;
    lastTime_ = 0;
    out_ << "$version Pallix400 simulated driver $end\n"
            "$comment cs = test-pin output bit 1 (active low), sclk = output bit 0, "
            "miso = input bit 0 $end\n"
            "$timescale 1 ns $end\n"
            "$scope module pallix400 $end\n"
         << "$var wire 1 " << kChipSelectId << " cs $end\n"
         << "$var wire 1 " << kClockId << " sclk $end\n"
         << "$var wire 1 " << kDataId << " miso $end\n"
         << "$upscope $end\n"
            "$enddefinitions $end\n"
            "#0\n"
            "$dumpvars\n";
    Write(kChipSelectId, levels.chipSelect);
    Write(kClockId, levels.clock);
    Write(kDataId, levels.data);
    out_ << "$end\n";
}

void VcdWriter::Record(int64_t nanoseconds, const PinLevels& levels)
{
    if (levels == levels_) {
        return;
    }
    lastTime_ = std::max(nanoseconds, lastTime_ + 1);
    out_ << '#' << lastTime_ << '\n';
    if (levels.chipSelect != levels_.chipSelect) {
        Write(kChipSelectId, levels.chipSelect);
    }
    if (levels.clock != levels_.clock) {
        Write(kClockId, levels.clock);
    }
    if (levels.data != levels_.data) {
        Write(kDataId, levels.data);
    }
    levels_ = levels;
}

void VcdWriter::Flush()
{
    out_.flush();
}

void VcdWriter::Write(char identifier, bool level)
{
    out_ << (level ? '1' : '0') << identifier << '\n';
}

}  // namespace Pallix400Sim
