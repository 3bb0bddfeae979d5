#pragma once
// Facts about the operating system.

class clsOperatingSystem {
};
