#include "simulation/Startgitter.h"

#include "simulation/Zufall.h"

#include <cmath>

std::vector<Ort> Cluster_fcc(int32_t n, double L)
{
    std::vector<Ort> atome;
    if (n < 1) return atome;
    const double a = L / n;
    const Ort versatz[] = {{0, 0, 0}, {a / 2, a / 2, 0}, {a / 2, 0, a / 2}, {0, a / 2, a / 2}};
    atome.reserve(static_cast<size_t>(4 * n * n * n));
    for (const Ort& v : versatz)
        for (int32_t i = 0; i < n; ++i)
            for (int32_t j = 0; j < n; ++j)
                for (int32_t k = 0; k < n; ++k) atome.push_back({v.x + a * i, v.y + a * j, v.z + a * k});
    return atome;
}

std::vector<Ort> Cluster_sc(int32_t N, double L)
{
    std::vector<Ort> atome;
    if (N < 1) return atome;
    int32_t m = static_cast<int32_t>(std::ceil(std::cbrt(static_cast<double>(N))));
    // cbrt of a perfect cube may land just above the whole number.
    if (static_cast<int64_t>(m - 1) * (m - 1) * (m - 1) >= N) --m;
    const double a = L / m;
    atome.reserve(static_cast<size_t>(N));
    for (int32_t i = 0; i < m; ++i)
        for (int32_t j = 0; j < m; ++j)
            for (int32_t k = 0; k < m && static_cast<int32_t>(atome.size()) < N; ++k)
                atome.push_back({a * i, a * j, a * k});
    return atome;
}

std::vector<Ort> Cluster_Zufall(int32_t N, double L, double d, Zufall& zufall, int32_t maxFehlversuche)
{
    std::vector<Ort> atome;
    if (N < 1) return atome;
    atome.reserve(static_cast<size_t>(N));
    const auto passt = [&](const Ort& p) {
        for (const double c : {p.x, p.y, p.z})
            if (c < d || c > L - d) return false;
        for (const Ort& q : atome) {
            const double dx = p.x - q.x, dy = p.y - q.y, dz = p.z - q.z;
            if (std::sqrt(dx * dx + dy * dy + dz * dz) <= d) return false;
        }
        return true;
    };
    int32_t fehlversuche = 0;
    while (static_cast<int32_t>(atome.size()) < N && fehlversuche < maxFehlversuche) {
        Ort p;
        p.x = zufall.Rnd() * L;
        p.y = zufall.Rnd() * L;
        p.z = zufall.Rnd() * L;
        // The first atom is kept wherever it falls.
        if (atome.empty() || passt(p)) {
            atome.push_back(p);
            fehlversuche = 0;
        } else {
            ++fehlversuche;
        }
    }
    return atome;
}
