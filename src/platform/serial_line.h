// The serial line beneath QSerialPort, for the lock-step exchanges of a radio session: the
// kernel's own receive threshold, writes that leave at once, and the bytes the threshold still
// holds back.
#pragma once

#include <QSerialPort>
#include <cstddef>

#include "link/frames.h"

namespace kv {

// Asks the line to report input only once `length` bytes are waiting (the terminal's minimum
// read count, at most 255), so the event loop wakes once per reply instead of once per byte
// that trickles in at the line's pace. False when the device refuses it; input then arrives
// as it comes and the session's own threshold still collects it.
bool SetLineThreshold(QSerialPort& port, std::size_t length);

// Writes `bytes` to the device now. QSerialPort would queue them and write them on a later turn
// of the event loop, after waking the loop to watch the descriptor for room; a request that
// leaves at once saves that turn on every exchange. What the device does not take at once goes
// through QSerialPort's queue. False when the device failed.
bool WriteNow(QSerialPort& port, ByteView bytes);

// The bytes the line holds below the threshold, read without waiting: what a reply that stayed
// short delivered before the reply timer expired.
Frame TakeHeldBytes(QSerialPort& port);

}  // namespace kv
