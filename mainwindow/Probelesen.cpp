#include "mainwindow/Probelesen.h"

#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsPot.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"
#include "curves/clsInput.h"
#include "curves/clsSSC.h"
#include "mainwindow/Stille_Ausgabe.h"

#include <memory>
#include <utility>

namespace {

// Stands in for the window while the file is read aside: every question gets the answer it gets
// when nobody is asked, and nothing is shown.
class Stilles_Fenster final : public zelo::UiSeam {
public:
    std::string letzteMeldung;

    zelo::MsgResult MsgBox(const std::string& text, zelo::MsgButtons buttons, zelo::MsgIcon, const std::string&) override
    {
        letzteMeldung = text;
        return zelo::Stille_Antwort(buttons);
    }
    void ShowErrorWindow() override {}
    void Redraw(bool) override {}
    void DoEvents() override {}
    std::string OpenFileDialog(const std::string&, const std::vector<zelo::FileFilter>&, const std::string&) override
    {
        return "";
    }
    std::string SaveFileDialog(const std::string&, const std::vector<zelo::FileFilter>&, const std::string&) override
    {
        return "";
    }
    std::string FolderDialog(const std::string&) override { return ""; }
    void AppendLogLine(const std::string&) override {}
};

// The objects a loader fills, swapped with the globals for as long as it lives.
struct Beiseite {
    std::unique_ptr<clsCalc> calc = std::make_unique<clsCalc>();
    std::unique_ptr<clsInput> input = std::make_unique<clsInput>();
    std::unique_ptr<clsIK> ik = std::make_unique<clsIK>();
    std::unique_ptr<clsGR> gr = std::make_unique<clsGR>();
    std::unique_ptr<clsPot> pot = std::make_unique<clsPot>();
    std::unique_ptr<clsSSC> ssc = std::make_unique<clsSSC>();
    // The loaders mark the curves they fill as unsaved; the open project's mark stays its own.
    bool gespeichert = gGespeichert;
    Stille_Ausgabe stille;

    explicit Beiseite(Stilles_Fenster& still) : stille(&still)
    {
        ssc->ESC_HEADER();
        Tauschen();
    }
    ~Beiseite()
    {
        gGespeichert = gespeichert;
        Tauschen();
    }
    Beiseite(const Beiseite&) = delete;
    Beiseite& operator=(const Beiseite&) = delete;

    void Tauschen()
    {
        std::swap(gCalc, calc);
        std::swap(gInput, input);
        std::swap(gIK, ik);
        std::swap(gGR, gr);
        std::swap(gPot, pot);
        std::swap(gSSC, ssc);
    }
};

}

bool Probelesen(const std::function<bool()>& lesen, std::string& grund)
{
    grund.clear();
    rt::Object(gError).Error();
    Stilles_Fenster still;
    bool gelesen = false;
    {
        const Beiseite beiseite(still);
        try {
            gelesen = lesen();
        } catch (const rt::RuntimeError& e) {
            gError->Report("modCommon", "Probelesen", e, true);
        }
    }
    if (gelesen) return true;
    if (gError->Error())
        grund = gError->ErrorDescription();
    else
        grund = still.letzteMeldung;
    return false;
}
