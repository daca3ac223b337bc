#pragma once

#include <array>
#include <cstring>

// A four-character code as stored in MP4 box and RIFF chunk headers.
using FourCC = std::array<char, 4>;

constexpr FourCC fourCC(const char (&text)[5])
{
    return {text[0], text[1], text[2], text[3]};
}
