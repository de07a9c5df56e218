#pragma once
#include <QMainWindow>

namespace tarvo::shell {

inline constexpr const char* kApplicationName = "Tarvo";
inline constexpr const char* kApplicationTitle = "Finansijsko knjigovodstvo, verzija:21.3.17.1";

// The main window.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
};

}  // namespace tarvo::shell
