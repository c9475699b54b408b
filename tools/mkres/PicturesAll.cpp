// The list of every picture item in archive order.
#include "Pictures.h"

namespace Art {

std::vector<Picture> MakeAllPictures()
{
    std::vector<Picture> all = MakePanels();
    for (Picture& p : MakeControls()) {
        all.push_back(std::move(p));
    }
    all.push_back(MakeBlank());
    all.push_back(MakeTable0());
    all.push_back(MakeTable1());
    all.push_back(MakeDice());
    return all;
}

} // namespace Art
