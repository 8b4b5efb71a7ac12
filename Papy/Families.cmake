# The families of the game-file library and the families each one links, in dependency order.
# A family's sources include headers of its own folder and of the families listed for it only:
# the layering check (Util/CheckLayering.cmake) reads this file and fails the build otherwise.
set(VELMO_PAPY_FAMILIES Model Container GPL N4 Bitmap Track Race Factory N2 FacetSets)
set(VELMO_PAPY_DEPS_Model)
set(VELMO_PAPY_DEPS_Container Model)
set(VELMO_PAPY_DEPS_GPL Model Container)
set(VELMO_PAPY_DEPS_N4 Model Container)
set(VELMO_PAPY_DEPS_Bitmap Model)
set(VELMO_PAPY_DEPS_Track Model)
set(VELMO_PAPY_DEPS_Race Model)
set(VELMO_PAPY_DEPS_Factory Model Container)
set(VELMO_PAPY_DEPS_N2 Model Container Bitmap Factory)
set(VELMO_PAPY_DEPS_FacetSets Model Container GPL N4 N2 Bitmap Track Race Factory)
