#pragma once
#include <QDialog>

namespace tarvo {
class Session;
}

namespace tarvo::lifecycle {

// "ADMINISTRACIJA": the launcher of the open company's code-table editors and of the maintenance functions.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    TForm2(Session& session, bool identBrojPartneraObavezan, QWidget* parent = nullptr);

private:
    Session& session_;
};

}  // namespace tarvo::lifecycle
