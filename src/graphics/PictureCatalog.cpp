// Looking pictures up in the catalogue and loading them.
#include "graphics/PictureCatalog.h"

#include "archive/UtilsPath.h"

const PictureInfo* FindPicture(std::string_view name)
{
    for (const PictureInfo& picture : Pictures::All) {
        if (EqualsIgnoringCase(std::string(picture.Name), std::string(name))) {
            return &picture;
        }
    }
    return nullptr;
}

std::unique_ptr<Surface> LoadPicture(const PictureInfo& picture, const std::string& archivePath)
{
    auto image = std::make_unique<Surface>();
    image->LoadImage(picture.Layout, picture.FrameWidth, std::string(picture.Name), archivePath,
                     picture.Transparent, picture.FrameHeight);
    return image;
}
