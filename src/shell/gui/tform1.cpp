#include "shell/gui/tform1.h"

namespace tarvo::shell {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName("Form1");
    setWindowTitle(QString("%1 - %2").arg(kApplicationName, kApplicationTitle));
    resize(1024, 700);
}

}  // namespace tarvo::shell
