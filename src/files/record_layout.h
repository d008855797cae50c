// The layouts of the data file record (2885 bytes) and of the companion file's channel record
// (70 bytes): one row per member, its offset from the start of its record, its name and the member.
// Writing, reading, measuring and comparing all walk these tables (see field_walk.h); the widths
// follow from the member types, and data_file_layout.cpp checks at compile time that every stated
// offset is where the members before it end.
#pragma once

#include <cstddef>
#include <type_traits>

#include "model/channel_record.h"
#include "model/config_record.h"

namespace kv {

// Record and Field are deduced so one table serves const records (writing) and mutable ones
// (reading). Field is called as field(offset, name, member).

template <typename Record, typename Field>
constexpr void Fields(
    Record& p, Field&& field) requires std::is_same_v<std::remove_const_t<Record>, PublicParams> {
    field(0, "HiCut", p.HiCut);
    field(2, "NbAnl", p.NbAnl);
    field(4, "TxPower", p.TxPower);
    field(6, "Echo", p.Echo);
    field(8, "Add10K", p.Add10K);
    field(10, "Reserved", p.Reserved);
    field(12, "RogerBeep", p.RogerBeep);
    field(14, "DtmfBot", p.DtmfBot);
    field(16, "DtmfEot", p.DtmfEot);
    field(18, "DtmfCall", p.DtmfCall);
    field(20, "Mode", p.Mode);
}

template <typename Record, typename Field>
constexpr void Fields(
    Record& w, Field&& field) requires std::is_same_v<std::remove_const_t<Record>, WeatherRecord> {
    field(0, "WxInUse", w.WxInUse);
    field(2, "WxFrequency", w.WxFrequency);
    field(10, "WxOption", w.WxOption);
    field(12, "WxBandwidth", w.WxBandwidth);
    field(14, "WxScan", w.WxScan);
}

// Fourteen steps of ToneFreq and ToneTime, then ToneRepeat and ToneInterval.
template <typename Record, typename Field>
constexpr void Fields(
    Record& t, Field&& field) requires std::is_same_v<std::remove_const_t<Record>, ToneRecord> {
    for (std::size_t step = 0; step < t.Steps.size(); ++step) {
        field(4 * step, "ToneFreq", t.Steps[step].ToneFreq);
        field(4 * step + 2, "ToneTime", t.Steps[step].ToneTime);
    }
    field(56, "ToneRepeat", t.ToneRepeat);
    field(58, "ToneInterval", t.ToneInterval);
}

// The data file record. Offsets 216 to 249 are the radio identity, 250 to 2213 the radio settings.
template <typename Record, typename Field>
constexpr void Fields(
    Record& c, Field&& field) requires std::is_same_v<std::remove_const_t<Record>, ConfigRecord> {
    auto& id = c.Identity;
    auto& s = c.Settings;
    field(0, "FileVersion", c.FileVersion);
    field(4, "BandMode", c.BandMode);
    field(6, "CurrentGroup", c.CurrentGroup);
    field(12, "GroupCurrentChannel", c.GroupCurrentChannel);
    field(114, "ChannelCount", c.ChannelCount);
    field(216, "IdentModel", id.IdentModel);
    field(223, "IdentCode", id.IdentCode);
    field(225, "IdentRangeClass", id.IdentRangeClass);
    field(227, "IdentDate", id.IdentDate);
    field(235, "IdentVersion", id.IdentVersion);
    field(240, "IdentModelShort", id.IdentModelShort);
    field(246, "IdentRangeClass2", id.IdentRangeClass2);
    field(248, "IdentLetter", id.IdentLetter);
    field(250, "WorkGroup", s.WorkGroup);
    field(256, "CbUseVfo", s.CbUseVfo);
    field(258, "HfUseVfo", s.HfUseVfo);
    field(260, "HamUseVfo", s.HamUseVfo);
    field(262, "GroupWorkChannel", s.GroupWorkChannel);
    field(364, "CbPublicParams", s.CbPublicParams);
    field(386, "HfPublicParams", s.HfPublicParams);
    field(408, "HamPublicParams", s.HamPublicParams);
    field(430, "BtOn", s.BtOn);
    field(432, "BtPttHold", s.BtPttHold);
    field(434, "BtMicGain", s.BtMicGain);
    field(436, "BtSpkGain", s.BtSpkGain);
    field(438, "BtHoldTime", s.BtHoldTime);
    field(440, "BtHoldDelay", s.BtHoldDelay);
    field(442, "BtIntSpk", s.BtIntSpk);
    field(444, "BtPttSleep", s.BtPttSleep);
    field(446, "WxOnOff", s.WxOnOff);
    field(448, "WxCurrentChannel", s.WxCurrentChannel);
    field(450, "WxAlert", s.WxAlert);
    field(452, "WxScanState", s.WxScanState);
    field(454, "WxVfo", s.WxVfo);
    field(456, "WxStep", s.WxStep);
    field(458, "WxSql", s.WxSql);
    field(460, "WeatherChannels", s.WeatherChannels);
    field(1116, "GroupValid", s.GroupValid);
    field(1218, "GroupName", s.GroupName);
    field(1320, "GroupRefChannelA", s.GroupRefChannelA);
    field(1524, "BatteryMin", s.BatteryMin);
    field(1526, "BatteryMax", s.BatteryMax);
    field(1528, "SwrLimit", s.SwrLimit);
    field(1530, "ReservedSetting1", s.ReservedSetting1);
    field(1532, "RxNr", s.RxNr);
    field(1533, "TxNr", s.TxNr);
    field(1534, "BeepLevel", s.BeepLevel);
    field(1536, "ReservedSetting2", s.ReservedSetting2);
    field(1538, "MicGain", s.MicGain);
    field(1540, "TalkBack", s.TalkBack);
    field(1542, "Tot", s.Tot);
    field(1544, "SwrProtect", s.SwrProtect);
    field(1546, "BatteryProtect", s.BatteryProtect);
    field(1548, "ScanType", s.ScanType);
    field(1550, "ReservedSetting3", s.ReservedSetting3);
    field(1552, "Clarifier", s.Clarifier);
    field(1554, "ReservedSetting4", s.ReservedSetting4);
    field(1555, "AsqLevel", s.AsqLevel);
    field(1557, "Squelch", s.Squelch);
    field(1559, "ReservedSetting5", s.ReservedSetting5);
    field(1561, "VoxLevel", s.VoxLevel);
    field(1562, "VoxDelay", s.VoxDelay);
    field(1563, "SsbSplitRange", s.SsbSplitRange);
    field(1565, "RepeaterOffset", s.RepeaterOffset);
    field(1569, "ReservedSetting6", s.ReservedSetting6);
    field(1571, "MicType", s.MicType);
    field(1572, "ReservedSetting7", s.ReservedSetting7);
    field(1573, "EchoVolume", s.EchoVolume);
    field(1574, "EchoTime", s.EchoTime);
    field(1575, "VfoStep", s.VfoStep);
    field(1576, "CwFreq", s.CwFreq);
    field(1577, "CwBeep", s.CwBeep);
    field(1578, "Dim", s.Dim);
    field(1579, "Agc", s.Agc);
    field(1580, "Aop", s.Aop);
    field(1582, "CwRxMode", s.CwRxMode);
    field(1584, "CwBreakIn", s.CwBreakIn);
    field(1585, "CwOffset", s.CwOffset);
    field(1586, "RfGain", s.RfGain);
    field(1587, "VolData", s.VolData);
    field(1588, "AsqEnabled", s.AsqEnabled);
    field(1590, "ReservedSetting8", s.ReservedSetting8);
    field(1592, "ReservedSetting9", s.ReservedSetting9);
    field(1594, "ReservedSetting10", s.ReservedSetting10);
    field(1596, "ReservedSetting11", s.ReservedSetting11);
    field(1598, "ReservedSetting12", s.ReservedSetting12);
    field(1600, "GroupRefChannelB", s.GroupRefChannelB);
    field(1804, "GroupSpareValue", s.GroupSpareValue);
    field(1906, "DtmfParams", s.DtmfParams);
    field(1918, "DtmfCodes", s.DtmfCodes);
    field(2174, "FmDeviation", s.FmDeviation);
    field(2176, "SsbTone", s.SsbTone);
    field(2178, "KeyP1", s.KeyP1);
    field(2180, "KeyP2", s.KeyP2);
    field(2182, "KeyP3", s.KeyP3);
    field(2184, "KeyP4", s.KeyP4);
    field(2186, "ReservedSetting13", s.ReservedSetting13);
    field(2188, "SaveColour", s.SaveColour);
    field(2190, "ReservedSetting14", s.ReservedSetting14);
    field(2192, "PowerOffDisplay", s.PowerOffDisplay);
    field(2194, "HandType", s.HandType);
    field(2196, "PfKey", s.PfKey);
    field(2198, "BtDeviceName", s.BtDeviceName);
    field(2214, "EmgBlock", c.EmgBlock);
    field(2286, "DwBlock", c.DwBlock);
    field(2322, "MemKeyBlock", c.MemKeyBlock);
    field(2354, "ToneTable", c.ToneTable);
    field(2834, "ReservedTable", c.ReservedTable);
    field(2858, "ReservedBytes", c.ReservedBytes);
    field(2865, "ModeEnable", c.ModeEnable);
    field(2877, "ChVolKind", c.ChVolKind);
    field(2879, "CbPublic", c.CbPublic);
    field(2881, "HfPublic", c.HfPublic);
    field(2883, "HamPublic", c.HamPublic);
}

// One record of the channel companion file.
template <typename Record, typename Field>
constexpr void Fields(
    Record& r, Field&& field) requires std::is_same_v<std::remove_const_t<Record>, ChannelRecord> {
    field(0, "ChNo", r.ChNo);
    field(2, "InUse", r.InUse);
    field(4, "ScanAdd", r.ScanAdd);
    field(6, "RxFreqText", r.RxFreqText);
    field(14, "TxFreqText", r.TxFreqText);
    field(22, "Reserved6", r.Reserved6);
    field(24, "Reserved7", r.Reserved7);
    field(26, "TxToneType", r.TxToneType);
    field(28, "TxCtcss", r.TxCtcss);
    field(30, "TxDcs", r.TxDcs);
    field(32, "Reserved11", r.Reserved11);
    field(34, "MemMode", r.MemMode);
    field(36, "HiCut", r.HiCut);
    field(38, "NbAnl", r.NbAnl);
    field(40, "Echo", r.Echo);
    field(42, "Add10K", r.Add10K);
    field(44, "Busy", r.Busy);
    field(46, "RogerBeep", r.RogerBeep);
    field(48, "RepShift", r.RepShift);
    field(50, "PublicCh", r.PublicCh);
    field(52, "DtmfBot", r.DtmfBot);
    field(54, "DtmfEot", r.DtmfEot);
    field(56, "DtmfCall", r.DtmfCall);
    field(58, "RxToneType", r.RxToneType);
    field(60, "RxCtcss", r.RxCtcss);
    field(62, "RxDcs", r.RxDcs);
    field(64, "TxPower", r.TxPower);
    field(66, "MemBand", r.MemBand);
    field(68, "MemChNo", r.MemChNo);
}

}  // namespace kv
