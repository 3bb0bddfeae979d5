#pragma once
// The interference function I(K).

class clsIK {
};
