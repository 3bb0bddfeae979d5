// A start of the automatic transform whose first text cannot be read reports the error in the
// window instead of letting it escape.
#include "AnalysisFixture.h"

#include "analysis/clsFT_AI.h"
#include "core/clsLanguage.h"

namespace {

class KeineAnzeige : public FT_AI_Anzeige {
public:
    void Info_Anzeigen(const std::string&) override {}
    bool Abbruch_Gewuenscht() override { return false; }
};

using FT_AI_Start = AnalysisFixture;

}

TEST_F(FT_AI_Start, ABadDeviationWithoutTheStringTableIsReported)
{
    KeineAnzeige anzeige;
    auto sprache = std::move(gLanguage);
    const FT_AI_Ergebnis e = clsFT_AI().Starten("abc", "1", anzeige);
    gLanguage = std::move(sprache);
    EXPECT_FALSE(e.Gelaufen || e.Fehlerfrei);
    ASSERT_FALSE(seam.messages.empty());
    EXPECT_NE(seam.messages.back().text.find("91"), std::string::npos) << seam.messages.back().text;
}
