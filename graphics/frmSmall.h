#pragma once
// A preview window: one of G(r), RDF, I(K) or the background U(K) in its own small diagram, beside
// whatever the main diagram shows. It only shows the evaluation as it stands; a G(r) that the
// I(K) being worked on would give is computed aside.
#include <QWidget>

#include <cstdint>
#include <string>

class QComboBox;
class conDisplay;

class frmSmall : public QWidget {
    Q_OBJECT
public:
    // tag names the window in the preview collection; owner keeps it above the main window.
    frmSmall(const std::string& tag, QWidget* owner);

    const std::string& Tag() const { return tag_; }
    // Selects the entry of KurvenTyp, which draws it; a kind not in the list changes nothing.
    void ShowPreview(int32_t KurvenTyp);
    void Zeichne_Preview();

    QComboBox* cmbkRaum;
    conDisplay* conDisplay1;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Zeichne_GR();
    void Zeichne_RDF();
    void Zeichne_IK();
    void Zeichne_UG();

    std::string tag_;
};
