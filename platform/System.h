#pragma once
// What the records ask of the machine they are made on: the default values of
// freshly made records (time, names, colours), the lower-case mapping that
// sibling sorting uses and the case mappings file names are compared with.
#include <array>
#include <cstdint>
#include <string>

namespace platform {

// Current time as an OLE automation date (days since 30 December 1899).
double CurrentOleDate();

// Local time as the eight 16-bit fields of a SYSTEMTIME.
std::array<uint16_t, 8> CurrentLocalSystemTime();

std::u16string ComputerName();
std::u16string UserName();

// 0x00BBGGRR system colours used as record defaults.
uint32_t WindowColour();
uint32_t WindowTextColour();

// Lower-cases a UTF-16 string with the system's mapping (one unit to one unit).
std::u16string ToLower(std::u16string text);
// Upper-cases a UTF-16 string with the system's mapping (one unit to one unit).
std::u16string ToUpper(std::u16string text);

}  // namespace platform
