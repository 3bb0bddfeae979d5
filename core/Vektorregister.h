#pragma once
// Clears the upper halves of the processor's wide vector registers. Drawing code that uses them
// can leave them in use; until something clears them, some processors make every later
// instruction of the narrower kind, the maths library's among them, many times slower. The
// window thread calls this where it hands over from drawing to computing. No effect on processors
// without such registers.
void Obere_Vektorhaelften_Leeren();
