// Walks an MP4/MOV box tree from arbitrary bytes and decodes a few seconds.
#include "Mp4Parser.h"
#include "ParserExercise.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return fuzzParser<Mp4Parser>(data, size);
}
