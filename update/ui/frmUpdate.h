#pragma once
// The update window: fetches the version file from the maker's server and marks each row whose
// online version is newer than the running one. Its texts are fixed, in no particular language.
#include <QDialog>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class CDownload;
class QLabel;
class QTimer;
class fxbutton;

class frmUpdate : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRows = 5;

    explicit frmUpdate(QWidget* owner);
    ~frmUpdate() override;

    // The result icon a row shows: 0 none, 109 not newer, 110 newer.
    int Icon(int row) const { return icons_.at(static_cast<size_t>(row)); }

    QLabel* lblVersion;
    QLabel* lblModule;
    QLabel* Label4;
    QLabel* lblOnlineVersion;
    QLabel* lblWait;
    std::array<QLabel*, kRows> lblModul{};
    std::array<QLabel*, kRows> lblMyVersion{};
    std::array<QLabel*, kRows> lblVersionOnline{};
    std::array<QLabel*, kRows> picOK{};
    std::array<fxbutton*, kRows> cmdDonwload{};
    fxbutton* cmdOK;

private:
    void Form_Load();
    void cDL_Error(int32_t Number, const std::string& Description);
    void cDL_Completed();
    // Evaluates the version file; false when it has no version text, or (with what was wrong with
    // it) at the first failure.
    bool Auswerten(const std::string& data, std::string& failure);
    void DrawIcon(int row, int id);
    void cmdOK_Click();

    std::unique_ptr<CDownload> cDL;
    QTimer* pump_;
    std::array<int, kRows> icons_{};
};
