#include "Papy/N4/N4ArchiverLists.h"

#include "Papy/N4/N4AnimatedTransform.h"
#include "Papy/N4/N4AppNode.h"
#include "Papy/N4/N4Appearance.h"
#include "Papy/N4/N4Billboard.h"
#include "Papy/N4/N4Empty.h"
#include "Papy/N4/N4FSection.h"
#include "Papy/N4/N4Geometry.h"
#include "Papy/N4/N4Group.h"
#include "Papy/N4/N4LodSwitch.h"
#include "Papy/N4/N4PlainVertexList.h"
#include "Papy/N4/N4PointLight.h"
#include "Papy/N4/N4Portal.h"
#include "Papy/N4/N4RegionMorphVertexList.h"
#include "Papy/N4/N4SelfLighting.h"
#include "Papy/N4/N4Shape.h"
#include "Papy/N4/N4StateSwitch.h"
#include "Papy/N4/N4Texture.h"
#include "Papy/N4/N4TextureCoords.h"
#include "Papy/N4/N4Track.h"
#include "Papy/N4/N4TrackDetail.h"
#include "Papy/N4/N4TrackSegment.h"
#include "Papy/N4/N4TracksideObject.h"
#include "Papy/N4/N4Transform.h"
#include "Papy/N4/N4TriFan.h"
#include "Papy/N4/N4TriList.h"
#include "Papy/N4/N4TriStrip.h"
#include "Papy/N4/N4TsoReference.h"
#include "Papy/N4/N4WSection.h"
#include "Papy/N4/N4XSection.h"

// Each list is in its fixed order (alphabetical by class). A node class joins a list by the
// address of its global archived type, at its place in the order.

namespace Velmo::Papy
{
const N4ArchiverList& GetN4PtfArchivers()
{
    static const N4ArchiverList list = {
        &g_N4ArchiverAppearance,
        &g_N4ArchiverFSection,
        &g_N4ArchiverTexture,
        &g_N4ArchiverTextureCoords,
        &g_N4ArchiverTrack,
        &g_N4ArchiverTrackDetail,
        &g_N4ArchiverTrackSegment,
        &g_N4ArchiverTracksideObject,
        &g_N4ArchiverTsoReference,
        &g_N4ArchiverWSection,
        &g_N4ArchiverXSection,
    };
    return list;
}

const N4ArchiverList& GetN4TdoArchivers()
{
    static const N4ArchiverList list = {
        &g_N4ArchiverAnimatedTransform,
        &g_N4ArchiverAppearance,
        &g_N4ArchiverAppNode,
        &g_N4ArchiverBillboard,
        &g_N4ArchiverEmpty,
        &g_N4ArchiverGeometry,
        &g_N4ArchiverGroup,
        &g_N4ArchiverLodSwitch,
        &g_N4ArchiverPlainVertexList,
        &g_N4ArchiverPointLight,
        &g_N4ArchiverPortal,
        &g_N4ArchiverRegionMorphVertexList,
        &g_N4ArchiverSelfLighting,
        &g_N4ArchiverShape,
        &g_N4ArchiverStateSwitch,
        &g_N4ArchiverTexture,
        &g_N4ArchiverTransform,
        &g_N4ArchiverTriFan,
        &g_N4ArchiverTriList,
        &g_N4ArchiverTriStrip,
    };
    return list;
}
} // namespace Velmo::Papy
