// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The button-state word of the status reply: which of the mouse's buttons are down. Bit n of
// the table below belongs to key n of office mode; the other bits carry nothing the program
// shows.

#include <cstdint>
#include <vector>

namespace tarq {

// Key numbers 1-9 whose bits are set in the word, in the order the key test flashes them.
std::vector<int> PressedKeys(uint16_t word);

// The bit of key 1-9; 0 for any other number.
uint16_t StatusBitOfKey(int key);

} // namespace tarq
