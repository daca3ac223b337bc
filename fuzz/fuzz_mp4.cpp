// Walks an MP4/MOV box tree from arbitrary bytes and decodes a few seconds.
#include "FuzzInput.h"
#include "Mp4Parser.h"
#include "ParserExercise.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    silenceQtMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static FuzzInput input;
    if (!input.store(data, size))
        return 0;
    Mp4Parser parser(input.path());
    exerciseParser(parser, data, size);
    return 0;
}
