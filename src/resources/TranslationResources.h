#pragma once

// The compiled translation catalogues, ":/translations/<Name>.qm". They live
// in a static library, whose resources register only when asked to.
class TranslationResources
{
public:
    // Registers the catalogues; calling it again does nothing.
    static void initialise();
};
