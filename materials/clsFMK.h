#pragma once
// Form-factor tables and the mixture form factors of the alloy.

class clsFMK {
};
