#pragma once
// The alloy and free-electron model.

class clsMFE {
};
