#include "analysis/UG_Satzspeicher.h"

#include "analysis/clsUntergrund.h"

void UG_Satzspeicher::Leeren()
{
    colUG_X.clear();
    colUG_Y.clear();
}

void UG_Satzspeicher::Speichern(const clsUntergrund& ug)
{
    const int32_t c = ug.Anzahl();
    cls_Y xs;
    cls_Y ys;
    xs.setAnzahl(c);
    ys.setAnzahl(c);
    for (int32_t i = 1; i <= c; ++i) {
        xs.Add_Y(i, ug.UX(i));
        ys.Add_Y(i, ug.UY(i));
    }
    colUG_X.push_back(std::move(xs));
    colUG_Y.push_back(std::move(ys));
}

std::vector<std::string> UG_Satzspeicher::Zeilen() const
{
    std::vector<std::string> zeilen;
    for (size_t k = 0; k < colUG_X.size(); ++k)
        zeilen.push_back("UG " + std::to_string(k + 1) + " - " + std::to_string(colUG_X[k].Anzahl()) + " SS");
    return zeilen;
}

bool UG_Satzspeicher::Zurueckholen(int32_t k, clsUntergrund& ug) const
{
    if (k < 1 || k > Anzahl()) return false;
    const cls_Y& xs = colUG_X[static_cast<size_t>(k - 1)];
    const cls_Y& ys = colUG_Y[static_cast<size_t>(k - 1)];
    ug.Clear();
    for (int32_t i = 1; i <= xs.Anzahl(); ++i) ug.Plus_Punkt(xs.Y(i), ys.Y(i));
    return true;
}
