#pragma once
#include <QDialog>
#include <optional>

#include "data/catalogue/firma.h"
#include "data/selection/izbor_firme.h"

class QTableWidget;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QPushButton;
class QMenuBar;
class QAction;

namespace tarvo {

// "IZBOR FIRME ZA RAD": a view over IzborFirme. Returns Accepted with `firma()` filled, or Rejected.
class TFormIzborFirme : public QDialog {
    Q_OBJECT
public:
    TFormIzborFirme(IzborFirme& selection, const QString& applicationName, const QString& title,
                    QWidget* parent = nullptr);

    const std::optional<TFirma>& firma() const { return firma_; }
    QLineEdit* Edit1() const { return edit1_; }
    QComboBox* ComboBox1() const { return comboBox1_; }
    QTableWidget* StringGrid1() const { return grid_; }

    void BitBtn1Click();
    void Edit1Exit();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ucitajListu();
    void showYears();
    void buildMenu(QMenuBar* bar);
    void notBuiltYet();

    IzborFirme& selection_;
    std::optional<TFirma> firma_;
    QTableWidget* grid_;
    QComboBox* comboBox1_;
    QLineEdit* edit1_;
    QRadioButton* byName_;
    QRadioButton* byId_;
    QPushButton* bitBtn1_;
    bool shown_ = false;
};

}  // namespace tarvo
