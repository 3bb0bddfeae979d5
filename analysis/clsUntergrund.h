#pragma once
// The background support points and fit.

class clsUntergrund {
};
