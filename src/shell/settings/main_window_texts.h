#pragma once
#include <string>

namespace tarvo {
class TFirma;
}

namespace tarvo::shell {

inline constexpr const char* kApplicationName = "Tarvo";
inline constexpr const char* kApplicationTitle = "Finansijsko knjigovodstvo, verzija:21.3.17.1";

// The main window's caption for the open company; archived data say so instead of showing the id.
std::string mainWindowCaption(const TFirma& firma);

// The databases "neki parametri stanja" shows.
struct DatabaseState {
    std::string dbOp, dbPr, dbFin, dbMat;  // as the company-year module holds them
    std::string connection1, connection2;  // the current databases of its two connections
    std::string orgTip;
};

// Seven lines, each value in double quotes and each line ending in a carriage return.
std::string parametriStanjaText(const DatabaseState& state);

}  // namespace tarvo::shell
