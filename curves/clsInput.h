#pragma once
// Readers and writer of spectrum and curve files.

class clsInput {
};
