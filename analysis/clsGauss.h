#pragma once
// Gauss peak estimation.

class clsGauss {
};
