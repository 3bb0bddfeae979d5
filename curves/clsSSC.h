#pragma once
// The store of saved curve stages.

class clsSSC {
};
