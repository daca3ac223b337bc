#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// The parsers read through QFile, so every fuzz input is handed over as a
// file: an anonymous in-memory file, rewritten for each input and opened by
// the parser through its /proc/self/fd path. Nothing touches the disk.
class FuzzInput
{
public:
    FuzzInput();
    ~FuzzInput();
    FuzzInput(const FuzzInput &) = delete;
    FuzzInput &operator=(const FuzzInput &) = delete;

    // Replaces the file's contents with the input; false if that failed.
    bool store(const std::uint8_t *data, std::size_t size);
    QString path() const { return mPath; }

private:
    int mFd = -1;
    QString mPath;
};
