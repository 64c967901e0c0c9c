// Check sums of the reference link: CRC-16/CCITT-FALSE over a frame header
// and CRC-32 (IEEE 802.3, reflected) over the whole frame.
#pragma once
#include <cstddef>
#include <cstdint>

namespace corvo::link {

uint16_t crc16(const uint8_t* data, std::size_t size);
uint32_t crc32(const uint8_t* data, std::size_t size, uint32_t previous = 0);

}  // namespace corvo::link
