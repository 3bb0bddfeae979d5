#pragma once
// The reduced radial distribution G(r).

class clsGR {
};
