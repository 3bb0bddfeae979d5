#pragma once
// The test world with the ui's drawing engine, made and released at its place as start-up does.
#include "support/TestWorld.h"

class UiTestWorld : public TestWorld {
public:
    UiTestWorld();
};
