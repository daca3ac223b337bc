#pragma once

#include "FuzzInput.h"

#include <cstddef>
#include <cstdint>

class ParserObject;

// Drops the parsers' debug lines: at thousands of inputs a second they would
// only slow the fuzzer down.
void silenceQtMessages();

// Reads the video information and decodes a handful of seconds: the first
// ones, the last one, and a few picked from the input's own bytes, in an
// order that also goes backwards. Traps when a sample breaks the promises
// the parser makes to its callers (a NUL-terminated time text, a finite
// course, an all-zero sample when there is no record). Then decodes the
// whole track, which must stay within what the input could hold.
void exerciseParser(ParserObject &parser, const std::uint8_t *data, std::size_t size);

// One fuzz run: the input becomes a file that a fresh parser walks and
// decodes from.
template<typename Parser>
int fuzzParser(const std::uint8_t *data, std::size_t size)
{
    static FuzzInput input;
    if (!input.store(data, size))
        return 0;
    Parser parser(input.path());
    exerciseParser(parser, data, size);
    return 0;
}
