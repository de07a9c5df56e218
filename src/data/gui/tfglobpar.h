#pragma once
#include <QDialog>
#include <functional>
#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace tarvo {

class TDM_firma;
class UserPrompt;

// The global switches as the running program uses them.
struct GlobalParametersInEffect {
    double scaleFactor = 1;
    std::string sharedArticleCompany = "0";
    std::string konvZnakovaZaDos = "ne";
    bool omoguciMinimiziranje = false;
    bool identBrojPartneraObavezan = false;
};

// "PREGLED GLOBALNIH PARAMETARA": shows the global switches in effect and writes them with "SNIMI".
class TFGlobPar : public QDialog {
    Q_OBJECT
public:
    TFGlobPar(TDM_firma& catalogue, UserPrompt& prompt, GlobalParametersInEffect inEffect, QWidget* parent = nullptr);

    // "detalji o firmi" opens the company-details window through this.
    void setCompanyDetailsHandler(std::function<void()> handler) { companyDetails_ = std::move(handler); }
    // After "SNIMI": what is now in effect.
    const GlobalParametersInEffect& inEffect() const { return inEffect_; }

    QLineEdit* factorEdit() const { return factor_; }
    // "+" and "-": one step of 0.05 within 1 to 2, the window rescaled with it.
    void stepFactor(bool up);
    void snimi();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void load();
    double shownFactor() const;

    TDM_firma& catalogue_;
    UserPrompt& prompt_;
    GlobalParametersInEffect inEffect_;
    std::function<void()> companyDetails_;
    QLineEdit* factor_ = nullptr;
    QButtonGroup* sharedArticles_ = nullptr;
    QSpinBox* sharedCompany_ = nullptr;
    QComboBox* dosConversion_ = nullptr;
    QPlainTextEdit* aliases_ = nullptr;
    QButtonGroup* minimise_ = nullptr;
    QButtonGroup* colourScheme_ = nullptr;
    QCheckBox* kvedoCosts_ = nullptr;
    QCheckBox* kvedoTotals_ = nullptr;
    QCheckBox* identNumber_ = nullptr;
    bool shown_ = false;
};

}  // namespace tarvo
