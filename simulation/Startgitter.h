#pragma once
// The start configurations of the simulations in a periodic cubic box of edge L: face-centred
// cubic, simple cubic and a random gas with a hard-core distance d.
#include <cstdint>
#include <vector>

class Zufall;

enum class Startgitter : int32_t { fcc = 0, sc = 1, Zufall = 2 };

struct Ort {
    double x = 0;
    double y = 0;
    double z = 0;
};

// 4n³ atoms: four sublattices with the offsets 0, (a/2, a/2, 0), (a/2, 0, a/2), (0, a/2, a/2),
// a = L/n; within a sublattice x outermost, then y, then z.
std::vector<Ort> Cluster_fcc(int32_t n, double L);
// N atoms on the first N sites of a simple-cubic grid of m = ceil(N^(1/3)) sites per edge, a = L/m.
std::vector<Ort> Cluster_sc(int32_t N, double L);
// Up to N atoms placed at random: each later one more than d from every earlier one and d away from
// the walls. Gives up after maxFehlversuche rejections in a row; fewer than N atoms then.
std::vector<Ort> Cluster_Zufall(int32_t N, double L, double d, Zufall& zufall, int32_t maxFehlversuche = 100000);
