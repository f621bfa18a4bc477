// The scalar types of the puzzle and the conversions every procedure shares.
#pragma once

#include <cstdint>

namespace tess {

using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;
using Byte = std::uint8_t;

// A flag is an Integer holding -1 for true and 0 for false; files store it that way.
using Flag = std::int16_t;
inline constexpr Flag kTrue = -1;
inline constexpr Flag kFalse = 0;
inline constexpr Flag ToFlag(bool value) { return value ? kTrue : kFalse; }

// Round to nearest, halves to even, then narrow. Values outside the target range
// saturate instead of overflowing (the original would raise an overflow error).
Integer CInt(double value);
Long CLng(double value);

// Largest whole number not above the value.
Long Int(double value);

} // namespace tess
