#pragma once
// The layered drawing engine of the diagram.
#include <string>

class clsGrafik {
public:
    std::string Version() const { return "Layered Graphic and Image Engine: 2.0"; }
};
