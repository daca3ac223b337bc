#pragma once

#include "ParserObject.h"

#include <memory>

// Files whose name ends in ".avi" (any case) are AVI; everything else is
// treated as MP4/MOV.
bool isAviPath(const QString &path);

// Opens the file and walks its container with the parser its name calls for.
std::unique_ptr<ParserObject> createParser(const QString &path);
