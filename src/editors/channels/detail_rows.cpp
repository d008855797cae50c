// The details panel's rows and lists.
#include "editors/channels/detail_rows.h"

#include <array>
#include <cstdio>

#include "editors/shared_lists.h"

namespace kv {
namespace {

using R = ChannelRecord;

const TextPair& kOff = UpperOffOnList()[0];

TextPair Same(const char* text) {
    return {text, text};
}

std::vector<TextPair> Fixed(std::initializer_list<const char*> texts) {
    std::vector<TextPair> entries;
    for (const char* text : texts) entries.push_back(Same(text));
    return entries;
}

// In tenths of a hertz, so that no locale can change how they are written.
constexpr std::array<int, 38> kCtcssTenths = {
    670,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000, 1035,
    1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567, 1622,
    1679, 1738, 1799, 1862, 1928, 2035, 2107, 2181, 2257, 2336, 2418, 2503};

constexpr std::array<int, 104> kDcsCodes = {
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115,
    116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223,
    225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315,
    325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432, 445, 446,
    452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606, 612, 624,
    627, 631, 632, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754,
};

std::vector<DetailBox> BuildBoxes() {
    const std::vector<TextPair>& offOn = UpperOffOnList();
    const std::vector<TextPair> toneTypes = Fixed({"Off", "CTCSS", "DCS"});
    constexpr auto kAlways = DetailShown::Always;
    constexpr auto kFree = DetailPublic::Independent;
    constexpr auto kPublic = DetailPublic::Disabled;
    return {
        {6, 1, Same("BUSY"), DetailList::Fixed, offOn, &R::Busy, kAlways, kFree},
        {7,
         2,
         Same("REP"),
         DetailList::Fixed,
         {kOff, Same("Add"), Same("SUBB")},
         &R::RepShift,
         DetailShown::HfHamBands,
         kFree},
        {18, 3, Same("RXCTC"), DetailList::Fixed, toneTypes, &R::RxToneType, kAlways, kFree},
        {19,
         4,
         Same("CTC/DCS"),
         DetailList::CtcssTones,
         {},
         &R::RxCtcss,
         DetailShown::RxCtcss,
         kFree},
        {20, 4, Same("CTC/DCS"), DetailList::DcsCodes, {}, &R::RxDcs, DetailShown::RxDcs, kFree},
        {17, 5, Same("TXCTC"), DetailList::Fixed, toneTypes, &R::TxToneType, kAlways, kFree},
        {0,
         6,
         Same("CTC/DCS"),
         DetailList::CtcssTones,
         {},
         &R::TxCtcss,
         DetailShown::TxCtcss,
         kFree},
        {16, 6, Same("CTC/DCS"), DetailList::DcsCodes, {}, &R::TxDcs, DetailShown::TxDcs, kFree},
        {10,
         7,
         {"Scan", "扫描"},
         DetailList::Fixed,
         {{"Del", "删除"}, {"Add", "添加"}},
         &R::ScanAdd,
         kAlways,
         kFree},
        {9, 8, Same("Public"), DetailList::Fixed, offOn, &R::PublicCh, kAlways, kFree},
        {13, 9, Same("BOT"), DetailList::DtmfCodes, {}, &R::DtmfBot, kAlways, kPublic},
        {14, 10, Same("EOT"), DetailList::DtmfCodes, {}, &R::DtmfEot, kAlways, kPublic},
        {15, 11, Same("Call"), DetailList::DtmfCodes, {}, &R::DtmfCall, kAlways, kPublic},
        {2, 12, Same("HI-CUT"), DetailList::Fixed, offOn, &R::HiCut, kAlways, kPublic},
        {3, 13, Same("NB/ANL"), DetailList::Fixed, NbAnlList(kOff), &R::NbAnl, kAlways, kPublic},
        {4, 14, Same("ECHO"), DetailList::Fixed, offOn, &R::Echo, kAlways, kPublic},
        {5, 15, Same("+10KHz"), DetailList::Fixed, offOn, &R::Add10K, DetailShown::HfHamBands,
         kPublic},
        {11, 16, Same("Roger"), DetailList::RogerTones, {}, &R::RogerBeep, kAlways, kPublic},
        {12, 17, Same("Mode"), DetailList::Fixed, ModeList(), &R::MemMode, DetailShown::MemGroup,
         kPublic},
        {21, 18, Same("Power"), DetailList::Fixed, PowerList(), &R::TxPower, kAlways,
         DetailPublic::LabelGreyed},
        {22,
         19,
         Same("CB Mem Chan ID"),
         DetailList::CbMemChannels,
         {},
         &R::MemChNo,
         DetailShown::CbMemoryRow,
         kFree},
        {23, 20, Same("CB Mem Band"), DetailList::Fixed, Fixed({"U", "UK"}), &R::MemBand,
         DetailShown::SharedCbBlock, kFree},
    };
}

}  // namespace

std::span<const DetailBox> DetailBoxes() {
    static const std::vector<DetailBox> boxes = BuildBoxes();
    return boxes;
}

const DetailBox* FindDetailBox(int box) {
    for (const DetailBox& row : DetailBoxes())
        if (row.box == box) return &row;
    return nullptr;
}

const std::vector<std::string>& CtcssToneEntries() {
    static const std::vector<std::string> entries = [] {
        std::vector<std::string> list;
        char text[32];
        for (std::size_t i = 0; i < kCtcssTenths.size(); ++i) {
            std::snprintf(text, sizeof text, "C_%03zu(%d.%dHz)", i + 1, kCtcssTenths[i] / 10,
                          kCtcssTenths[i] % 10);
            list.emplace_back(text);
        }
        return list;
    }();
    return entries;
}

const std::vector<std::string>& DcsCodeEntries() {
    static const std::vector<std::string> entries = [] {
        std::vector<std::string> list;
        char text[32];
        for (std::size_t i = 0; i < kDcsCodes.size(); ++i) {
            std::snprintf(text, sizeof text, "D_%03zu(%03dN)", i + 1, kDcsCodes[i]);
            list.emplace_back(text);
        }
        return list;
    }();
    return entries;
}

bool DetailBoxShown(const DetailBox& box, int band, bool memGroup, bool cbMemoryRow, int group,
                    const ChannelRecord& record) {
    switch (box.shown) {
        case DetailShown::Always:
            return true;
        case DetailShown::HfHamBands:
            return band == kBandHf || band == kBandHam;
        case DetailShown::MemGroup:
            return memGroup;
        case DetailShown::CbMemoryRow:
            return cbMemoryRow;
        case DetailShown::SharedCbBlock:
            return cbMemoryRow && (group == 5 || group == 7);
        case DetailShown::RxCtcss:
            return record.RxToneType == 1;
        case DetailShown::RxDcs:
            return record.RxToneType == 2;
        case DetailShown::TxCtcss:
            return record.TxToneType == 1;
        case DetailShown::TxDcs:
            return record.TxToneType == 2;
    }
    return false;
}

TextPair DetailOffText() {
    return kOff;
}

TextPair CbMemOffText() {
    return Same("Off");
}

std::string DetailCaption(const std::string& rowLabel) {
    return "More Information -- CH " + rowLabel;
}

}  // namespace kv
