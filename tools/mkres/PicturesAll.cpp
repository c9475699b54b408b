// The list of every picture item in archive order.
#include "Pictures.h"

namespace Art {

std::vector<Picture> MakeAllPictures()
{
    std::vector<Picture> all = MakePanels();
    for (Picture& p : MakeControls()) {
        all.push_back(std::move(p));
    }
    Picture table0 = MakeTable0();
    Picture table1 = MakeTable1();
    all.push_back(MakeMenuBackground(table0, table1));
    all.push_back(MakeBlank());
    all.push_back(std::move(table0));
    all.push_back(std::move(table1));
    all.push_back(MakeDice());
    return all;
}

} // namespace Art
