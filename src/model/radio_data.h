// The data a document consists of: the configuration record and the channel store. The working
// document and its staging copy are each one of these.
#pragma once

#include "model/channel_store.h"
#include "model/config_record.h"

namespace kv {

struct RadioData {
    ConfigRecord Config;
    ChannelStore Store;

    i16& channelCount(int band, int group) { return Config.ChannelCount(band, group); }
    i16 channelCount(int band, int group) const { return Config.ChannelCount(band, group); }
    ChannelRecord& channel(int band, int slot, int group) { return Store.channel(band, slot, group); }
    const ChannelRecord& channel(int band, int slot, int group) const {
        return Store.channel(band, slot, group);
    }
};

// Before decoding an image: every ChannelCount 0; ChNo and InUse of every slot of every band and
// group 0; InUse of every CB memory record 0. Nothing else changes.
void ClearChannels(RadioData& data);

// The first slot among 1..ChannelCount(band, group) whose ChNo equals chNo; 0 when there is none.
int FindSlot(const RadioData& data, int band, int group, int chNo);

}  // namespace kv
