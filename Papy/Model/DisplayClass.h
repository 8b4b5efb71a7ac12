#pragma once
// The display class of drawn geometry, stored as an int; also the index of the 3D view's per-class switches.
#include <string>

namespace Velmo::Papy
{
enum DisplayClass : int
{
    DisplayClassBevelledTire = 0,
    DisplayClassBillboard = 1,
    DisplayClassCar = 2,
    DisplayClassCarSpecular = 3,
    DisplayClassCloud = 4,
    DisplayClassCockpit = 5,
    DisplayClassCrowd = 6,
    DisplayClassDriver = 7,
    DisplayClassDriverArm = 8,
    DisplayClassFence = 9,
    DisplayClassFlagger = 10,
    DisplayClassGrandstand = 11,
    DisplayClassGroove = 12,
    DisplayClassHorizon = 13,
    DisplayClassInfield = 14,
    DisplayClassObject = 15,
    DisplayClassPeople = 16,
    DisplayClassRaceControl = 17,
    DisplayClassTerrain = 18,
    DisplayClassTire = 19,
    DisplayClassTrack = 20,
    DisplayClassTrackMarking = 21,
    DisplayClassTree = 22,
    DisplayClassUnknown = 23,
    DisplayClassVehicle = 24,
    DisplayClassWall = 25,
};

// The first value and one past the last value, for offering the values in order.
constexpr int DisplayClassFirst = 0;
constexpr int DisplayClassEnd = 26;

// The display name of a value; any other value fails the assertion "false".
std::string GetDisplayClassName(int value);
} // namespace Velmo::Papy
