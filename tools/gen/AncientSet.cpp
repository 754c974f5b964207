#include "DiscSheets.h"
const FigureSetArt& AncientArt()
{
    static FigureSetArt a = ClassicArt();
    a.ResourceName = "ANIM_B3";
    a.Title = "Ancient";
    return a;
}
