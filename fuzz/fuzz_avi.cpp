// Walks an AVI file's chunks from arbitrary bytes and decodes a few seconds.
#include "AVIParser.h"
#include "ParserExercise.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return fuzzParser<AVIParser>(data, size);
}
