// Image form of a Surface loaded by name from a resource archive.
#include "archive/ResourceArchive.h"
#include "graphics/Surface.h"

void Surface::LoadImage(std::int32_t layout, std::int32_t frameWidth, const std::string& itemName,
                        const std::string& archivePath, bool transparent, std::int32_t frameHeight)
{
    MemoryStream stream;
    if (ResourceArchive::Read(stream, archivePath, itemName) != 0) {
        // Decoding nothing frees the old picture and leaves the frame fields set on an empty image.
        LoadBitmapImage({}, layout, frameWidth, transparent, frameHeight);
        return;
    }
    LoadBitmapImage(stream.View(), layout, frameWidth, transparent, frameHeight);
}
