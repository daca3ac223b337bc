#pragma once

// The interface's pictures, ":/image/<name>.png": button skins in three
// states, the logo and the dial and compass faces. They live in a static
// library, whose resources register only when asked to.
class ImageResources
{
public:
    // Registers the images; calling it again does nothing.
    static void initialise();
};
