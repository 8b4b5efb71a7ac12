#include "Vantrel/Frame/WindowIcons.h"

#include "Vantrel/Icons/cam_137.xpm"
#include "Vantrel/Icons/dat_129.xpm"
#include "Vantrel/Icons/lyt_141.xpm"
#include "Vantrel/Icons/mip_135.xpm"
#include "Vantrel/Icons/pbf_134.xpm"
#include "Vantrel/Icons/rpy_140.xpm"
#include "Vantrel/Icons/srb_136.xpm"
#include "Vantrel/Icons/tdo_130.xpm"
#include "Vantrel/Icons/trk_133.xpm"
#include "Vantrel/Icons/vantrel_128.xpm"

wxIcon GetWindowIcon(int resourceId)
{
    switch (resourceId)
    {
    case 128: return wxIcon(vantrel_128_xpm);
    case 129: return wxIcon(dat_129_xpm);
    case 130: return wxIcon(tdo_130_xpm);
    case 133: return wxIcon(trk_133_xpm);
    case 134: return wxIcon(pbf_134_xpm);
    case 135: return wxIcon(mip_135_xpm);
    case 136: return wxIcon(srb_136_xpm);
    case 137: return wxIcon(cam_137_xpm);
    case 140: return wxIcon(rpy_140_xpm);
    case 141: return wxIcon(lyt_141_xpm);
    default: return wxIcon();
    }
}
