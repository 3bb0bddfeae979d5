#pragma once
// The pair potential.

class clsPot {
};
